#pragma once

#include "net/DiscoveryDatagram.h"
#include "net/EthernetSettings.h"

#include <QHostAddress>
#include <QList>
#include <QStringView>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QUdpSocket;

namespace norvane {

class DiscoveryClient;

struct DiscoveryDestination
{
    QHostAddress address;
    std::uint16_t port = kDiscoveryPort;
};

/// Where discovery requests go: every request to the broadcast destination, a Discover pass also to the
/// multicast one. Tests and printers on another subnet replace both by one unicast address.
struct DiscoveryTargets
{
    DiscoveryDestination broadcast{QHostAddress(QHostAddress::Broadcast)};
    DiscoveryDestination multicast{QHostAddress(QStringLiteral("224.0.0.251"))};
};

/// "HOST:PORT" with an IPv4 address as both destinations; nullopt for anything else.
std::optional<DiscoveryTargets> DiscoveryTargetsFor(QStringView hostPort);

struct DiscoveryTimeouts
{
    /// A Discover collection ends after this long without a datagram.
    std::chrono::milliseconds silence{1000};
    /// The wait for the one answer to a Get Group or Set Group request.
    std::chrono::milliseconds reply{3000};
};

/// One socket for the requests that read and change a printer's settings by its MAC address.
class SettingsExchange
{
public:
    SettingsExchange(std::unique_ptr<QUdpSocket> socket, const DiscoveryClient& client, std::uint16_t sequence,
                     const MacBytes& target);
    ~SettingsExchange();

    /// Get Group 4 and 5 into `settings` (addresses, last used address, DHCP); a group without an answer
    /// leaves its fields as they were.
    void read(EthernetSettings& settings);
    /// The four Set Group requests with the name, addresses and DHCP of `settings`, each followed by a wait for
    /// an answer that is not looked at.
    void write(const EthernetSettings& settings);

private:
    /// Sends to the broadcast destination and waits for one datagram; empty when none comes or it is too short.
    QByteArray request(const QByteArray& datagram);

    std::unique_ptr<QUdpSocket> m_socket;
    const DiscoveryClient& m_client;
    SettingsRequests m_requests;
};

/// Speaks the discovery protocol on datagram sockets: each action opens its own socket and closes it.
/// Everything blocks the calling thread for the waits of the protocol.
class DiscoveryClient
{
public:
    explicit DiscoveryClient(DiscoveryTargets targets = {}, DiscoveryTimeouts timeouts = {});

    /// Broadcast, then multicast, each collected until a second passes without a datagram; every reply of at
    /// least 32 bytes in arrival order. `each` is told of every reply as it comes.
    QList<DiscoveryReply> discover(std::uint16_t sequence,
                                   const std::function<void(const DiscoveryReply&)>& each = {}) const;
    /// Sends Factory Default; false when no socket could be made or the datagram not sent.
    bool factoryDefault(std::uint16_t sequence, const MacBytes& target) const;
    /// nullptr when no socket could be made.
    std::unique_ptr<SettingsExchange> exchangeSettings(std::uint16_t sequence, const MacBytes& target) const;

    const DiscoveryTargets& targets() const { return m_targets; }
    const DiscoveryTimeouts& timeouts() const { return m_timeouts; }

private:
    DiscoveryTargets m_targets;
    DiscoveryTimeouts m_timeouts;
};

/// A new datagram socket with broadcasting on, bound to any local port; nullptr when the system refuses one.
std::unique_ptr<QUdpSocket> OpenDiscoverySocket();

} // namespace norvane
