#include "net/DiscoveryDatagram.h"

#include "net/BigEndian.h"
#include "net/EthernetSettings.h"

namespace norvane {

namespace {

using namespace DiscoveryOffset;

constexpr std::uint8_t kDiscoverClass = 0;
constexpr std::uint8_t kTargetedClass = 2;
constexpr MacBytes kEveryPrinter{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
constexpr std::uint16_t kGetGroupPayload = 2;
constexpr std::uint16_t kSetGroupPayload = kSetGroupSize - kDiscoveryHeaderSize;

/// Writes the header into the first 32 bytes of `bytes`, which must hold at least that many.
void putHeader(QByteArray& bytes, std::uint8_t requestClass, DiscoveryCommand command, std::uint16_t payload,
               std::uint16_t sequence, const MacBytes& target)
{
    PutBigEndian16(bytes, 0, 32);
    PutBigEndian16(bytes, 2, 1);
    PutBigEndian16(bytes, 4, 1);
    bytes[6] = 8;
    bytes[kRequestClass] = static_cast<char>(requestClass);
    PutBigEndian16(bytes, kCommand, static_cast<std::uint16_t>(command));
    PutBigEndian16(bytes, kPayloadLength, payload);
    PutBigEndian16(bytes, kSequence, sequence);
    PutBigEndian16(bytes, 14, 0);
    bytes[16] = 1;
    for (qsizetype i = 17; i < kTargetMac; ++i)
        bytes[i] = 0;
    for (std::size_t i = 0; i < target.size(); ++i)
        bytes[kTargetMac + static_cast<qsizetype>(i)] = static_cast<char>(target[i]);
    for (qsizetype i = 28; i < kDiscoveryHeaderSize; ++i)
        bytes[i] = 0;
}

void putAddress(QByteArray& bytes, qsizetype offset, const Ipv4Bytes& address)
{
    for (std::size_t i = 0; i < address.size(); ++i)
        bytes[offset + static_cast<qsizetype>(i)] = static_cast<char>(address[i]);
}

/// A byte of the datagram, zero beyond its end.
std::uint8_t byteAt(QByteArrayView datagram, qsizetype offset)
{
    return offset < datagram.size() ? static_cast<std::uint8_t>(datagram[offset]) : 0;
}

template <std::size_t N> std::array<std::uint8_t, N> bytesAt(QByteArrayView datagram, qsizetype offset)
{
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i)
        bytes[i] = byteAt(datagram, offset + static_cast<qsizetype>(i));
    return bytes;
}

} // namespace

QByteArray DiscoverRequest(std::uint16_t sequence)
{
    QByteArray request(kDiscoveryHeaderSize, '\0');
    putHeader(request, kDiscoverClass, DiscoveryCommand::Discover, 0, sequence, kEveryPrinter);
    return request;
}

QByteArray FactoryDefaultRequest(std::uint16_t sequence, const MacBytes& target)
{
    QByteArray request(kDiscoveryHeaderSize, '\0');
    putHeader(request, kTargetedClass, DiscoveryCommand::FactoryDefault, 0, sequence, target);
    return request;
}

SettingsRequests::SettingsRequests(std::uint16_t sequence, const MacBytes& target)
    : m_buffer(kDiscoveryReceiveCapacity, '\0')
{
    putHeader(m_buffer, kTargetedClass, DiscoveryCommand::GetGroup, kGetGroupPayload, sequence, target);
}

QByteArray SettingsRequests::getGroup(SettingsGroup group)
{
    PutBigEndian16(m_buffer, kCommand, static_cast<std::uint16_t>(DiscoveryCommand::GetGroup));
    PutBigEndian16(m_buffer, kPayloadLength, kGetGroupPayload);
    m_buffer[kGroup] = static_cast<char>(group);
    m_buffer[kGroup + 1] = 0;
    return m_buffer.first(kGetGroupSize);
}

QByteArray SettingsRequests::setGroup(SettingsGroup group)
{
    PutBigEndian16(m_buffer, kCommand, static_cast<std::uint16_t>(DiscoveryCommand::SetGroup));
    PutBigEndian16(m_buffer, kPayloadLength, kSetGroupPayload);
    m_buffer[kGroup] = 0;
    m_buffer[kGroup + 1] = 0;
    m_buffer[kSetGroup] = static_cast<char>(group);
    m_buffer[kSetGroup + 1] = 0;
    return m_buffer.first(kSetGroupSize);
}

QByteArray SettingsRequests::setName(QByteArrayView name)
{
    const QByteArray text = SettingsText(name);
    m_buffer.replace(kSetName, text.size(), text);
    m_buffer[kSetName + text.size()] = 0;
    return setGroup(SettingsGroup::Name);
}

QByteArray SettingsRequests::setAddresses(const Ipv4Bytes& address, const Ipv4Bytes& mask, const Ipv4Bytes& gateway)
{
    putAddress(m_buffer, kIpAddress, address);
    putAddress(m_buffer, kSubnetMask, mask);
    putAddress(m_buffer, kGateway, gateway);
    return setGroup(SettingsGroup::Addresses);
}

QByteArray SettingsRequests::setDhcp(bool on)
{
    m_buffer[kDhcpMode] = static_cast<char>(on ? kDhcpOnMode : 1);
    m_buffer[kDhcpFlag] = static_cast<char>(on ? 4 : 1);
    return setGroup(SettingsGroup::Dhcp);
}

QByteArray SettingsRequests::commit()
{
    return setGroup(SettingsGroup::Commit);
}

QByteArray DatagramText(QByteArrayView datagram, qsizetype offset, qsizetype limit)
{
    if (offset >= datagram.size())
        return {};
    QByteArrayView text = datagram.sliced(offset);
    text = text.first(std::min(text.size(), limit));
    const qsizetype end = text.indexOf('\0');
    return (end < 0 ? text : text.first(end)).toByteArray();
}

std::optional<DiscoveryReply> ParseDiscoveryReply(QByteArrayView datagram)
{
    if (datagram.size() < kDiscoveryHeaderSize)
        return std::nullopt;
    DiscoveryReply reply;
    reply.mac = bytesAt<6>(datagram, kTargetMac);
    reply.status = byteAt(datagram, kStatus);
    reply.errorFlags = byteAt(datagram, kErrorFlags);
    reply.address = bytesAt<4>(datagram, kAddress);
    reply.model = DatagramText(datagram, kModel, kModelNameSize);
    reply.name = DatagramText(datagram, kReplyName, EthernetSettings::kMaxTextLength);
    return reply;
}

GroupAddresses AddressesFromReply(QByteArrayView datagram)
{
    return {bytesAt<4>(datagram, kIpAddress), bytesAt<4>(datagram, kSubnetMask), bytesAt<4>(datagram, kGateway)};
}

bool DhcpFromReply(QByteArrayView datagram)
{
    return byteAt(datagram, kDhcpMode) == kDhcpOnMode;
}

QByteArray DiscoveryStatusText(std::uint8_t status, std::uint8_t errorFlags)
{
    switch (status) {
    case 1:
        return "Printing";
    case 2:
        return "Pause";
    case 3:
        break;
    default:
        return "Ready";
    }
    // The first match wins, so a printer with several faults shows the one that stops it hardest.
    if (errorFlags & 0x01)
        return "Carriage Open";
    if (errorFlags & (0x40 | 0x80))
        return "Over Heat";
    if (errorFlags & 0x02)
        return "Paper Jam";
    if (errorFlags & 0x04)
        return "Paper Empty";
    if (errorFlags & (0x08 | 0x10))
        return "Ribbon Error";
    if (errorFlags & 0x20)
        return "Cutter Error";
    return "Error";
}

} // namespace norvane
