#pragma once

#include "net/NetAddress.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace norvane {

/// The printer's UDP port for discovery requests.
inline constexpr std::uint16_t kDiscoveryPort = 22368;
/// Every request and reply begins with this header; shorter datagrams are not replies.
inline constexpr qsizetype kDiscoveryHeaderSize = 32;
inline constexpr qsizetype kGetGroupSize = 34;
inline constexpr qsizetype kSetGroupSize = 1064;
/// The largest datagram taken in; a longer one is cut there.
inline constexpr qsizetype kDiscoveryReceiveCapacity = 2048;

/// Header fields and payload offsets, from the datagram's start.
namespace DiscoveryOffset {
inline constexpr qsizetype kRequestClass = 7;
inline constexpr qsizetype kCommand = 8;
inline constexpr qsizetype kPayloadLength = 10;
inline constexpr qsizetype kSequence = 12;
inline constexpr qsizetype kTargetMac = 22;
inline constexpr qsizetype kGroup = 32;
inline constexpr qsizetype kSetGroup = 34;
inline constexpr qsizetype kStatus = 40;
inline constexpr qsizetype kErrorFlags = 41;
inline constexpr qsizetype kAddress = 44;
inline constexpr qsizetype kModel = 52;
inline constexpr qsizetype kReplyName = 84;
inline constexpr qsizetype kIpAddress = 69;
inline constexpr qsizetype kSubnetMask = 73;
inline constexpr qsizetype kGateway = 77;
inline constexpr qsizetype kSetName = 176;
inline constexpr qsizetype kDhcpMode = 942;
inline constexpr qsizetype kDhcpFlag = 948;
} // namespace DiscoveryOffset

inline constexpr qsizetype kModelNameSize = 32;

enum class DiscoveryCommand : std::uint16_t
{
    FactoryDefault = 1,
    Discover = 2,
    GetGroup = 3,
    SetGroup = 4,
};

/// The groups of printer settings a Set Group request carries: name, addresses, DHCP, and the closing one.
enum class SettingsGroup : std::uint8_t
{
    Name = 0,
    Addresses = 4,
    Dhcp = 5,
    Commit = 7,
};

/// Byte 942 of a Get Group 5 reply or Set Group 5 request when DHCP is on.
inline constexpr std::uint8_t kDhcpOnMode = 8;

/// The 32-byte request that asks every printer to answer.
QByteArray DiscoverRequest(std::uint16_t sequence);

/// The 32-byte request that resets one printer's network settings; no reply comes.
QByteArray FactoryDefaultRequest(std::uint16_t sequence, const MacBytes& target);

/// The requests that read and change one printer's settings, built in one buffer: each changes only its own
/// bytes, so what an earlier request placed is still there in the later ones.
class SettingsRequests
{
public:
    SettingsRequests(std::uint16_t sequence, const MacBytes& target);

    /// Get Group 4 or 5: 34 bytes.
    QByteArray getGroup(SettingsGroup group);
    /// The Set Group requests: 1064 bytes each. The name is cut to 63 bytes and ends with a zero.
    QByteArray setName(QByteArrayView name);
    QByteArray setAddresses(const Ipv4Bytes& address, const Ipv4Bytes& mask, const Ipv4Bytes& gateway);
    QByteArray setDhcp(bool on);
    QByteArray commit();

private:
    QByteArray setGroup(SettingsGroup group);

    QByteArray m_buffer;
};

/// One printer's answer to Discover. Fields that lie beyond the end of a short reply read as zero bytes:
/// address 0.0.0.0, empty texts.
struct DiscoveryReply
{
    MacBytes mac{};
    std::uint8_t status = 0;
    std::uint8_t errorFlags = 0;
    Ipv4Bytes address{};
    QByteArray model;
    /// Cut to 63 bytes.
    QByteArray name;
};

/// nullopt for a datagram shorter than the header.
std::optional<DiscoveryReply> ParseDiscoveryReply(QByteArrayView datagram);

/// The settings a Get Group 4 reply carries.
struct GroupAddresses
{
    Ipv4Bytes address{};
    Ipv4Bytes mask{};
    Ipv4Bytes gateway{};
};
GroupAddresses AddressesFromReply(QByteArrayView datagram);
bool DhcpFromReply(QByteArrayView datagram);

/// "Ready", "Printing", "Pause", or for status 3 the first error its flags name.
QByteArray DiscoveryStatusText(std::uint8_t status, std::uint8_t errorFlags);

/// The zero-terminated text at `offset`, at most `limit` bytes; empty when the datagram ends before it.
QByteArray DatagramText(QByteArrayView datagram, qsizetype offset, qsizetype limit);

} // namespace norvane
