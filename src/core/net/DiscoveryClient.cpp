#include "net/DiscoveryClient.h"

#include <QUdpSocket>

namespace norvane {

namespace {

/// Every datagram that arrives before `wait` passes without one, cut to the receive capacity.
void collect(QUdpSocket& socket, std::chrono::milliseconds wait, const std::function<void(QByteArray)>& take)
{
    while (socket.hasPendingDatagrams() || socket.waitForReadyRead(static_cast<int>(wait.count()))) {
        while (socket.hasPendingDatagrams()) {
            QByteArray datagram(kDiscoveryReceiveCapacity, '\0');
            const qint64 size = socket.readDatagram(datagram.data(), datagram.size());
            if (size >= 0)
                take(datagram.first(size));
        }
    }
}

bool send(QUdpSocket& socket, const QByteArray& datagram, const DiscoveryDestination& to)
{
    return socket.writeDatagram(datagram, to.address, to.port) == datagram.size();
}

} // namespace

std::optional<DiscoveryTargets> DiscoveryTargetsFor(QStringView hostPort)
{
    const qsizetype colon = hostPort.lastIndexOf(u':');
    if (colon < 0)
        return std::nullopt;
    QHostAddress address;
    bool portOk = false;
    const uint port = hostPort.sliced(colon + 1).toUInt(&portOk);
    if (!address.setAddress(hostPort.first(colon).toString()) || address.protocol() != QAbstractSocket::IPv4Protocol ||
        !portOk || port == 0 || port > 65535)
        return std::nullopt;
    const DiscoveryDestination destination{address, static_cast<std::uint16_t>(port)};
    return DiscoveryTargets{destination, destination};
}

std::unique_ptr<QUdpSocket> OpenDiscoverySocket()
{
    auto socket = std::make_unique<QUdpSocket>();
    if (!socket->bind(QHostAddress(QHostAddress::AnyIPv4), 0))
        return nullptr;
    return socket;
}

DiscoveryClient::DiscoveryClient(DiscoveryTargets targets, DiscoveryTimeouts timeouts)
    : m_targets(std::move(targets)), m_timeouts(timeouts)
{
}

QList<DiscoveryReply> DiscoveryClient::discover(std::uint16_t sequence,
                                                const std::function<void(const DiscoveryReply&)>& each) const
{
    QList<DiscoveryReply> replies;
    const auto socket = OpenDiscoverySocket();
    if (!socket)
        return replies;
    const QByteArray request = DiscoverRequest(sequence);
    for (const DiscoveryDestination* destination : {&m_targets.broadcast, &m_targets.multicast}) {
        send(*socket, request, *destination);
        collect(*socket, m_timeouts.silence, [&](const QByteArray& datagram) {
            if (const auto reply = ParseDiscoveryReply(datagram)) {
                replies.append(*reply);
                if (each)
                    each(*reply);
            }
        });
    }
    return replies;
}

bool DiscoveryClient::factoryDefault(std::uint16_t sequence, const MacBytes& target) const
{
    const auto socket = OpenDiscoverySocket();
    return socket && send(*socket, FactoryDefaultRequest(sequence, target), m_targets.broadcast);
}

std::unique_ptr<SettingsExchange> DiscoveryClient::exchangeSettings(std::uint16_t sequence,
                                                                    const MacBytes& target) const
{
    auto socket = OpenDiscoverySocket();
    if (!socket)
        return nullptr;
    return std::make_unique<SettingsExchange>(std::move(socket), *this, sequence, target);
}

SettingsExchange::SettingsExchange(std::unique_ptr<QUdpSocket> socket, const DiscoveryClient& client,
                                   std::uint16_t sequence, const MacBytes& target)
    : m_socket(std::move(socket)), m_client(client), m_requests(sequence, target)
{
}

SettingsExchange::~SettingsExchange() = default;

QByteArray SettingsExchange::request(const QByteArray& datagram)
{
    // An answer left over from an earlier request must not pass for this one's.
    while (m_socket->hasPendingDatagrams())
        m_socket->readDatagram(nullptr, 0);
    send(*m_socket, datagram, m_client.targets().broadcast);
    if (!m_socket->waitForReadyRead(static_cast<int>(m_client.timeouts().reply.count())) &&
        !m_socket->hasPendingDatagrams())
        return {};
    QByteArray answer(kDiscoveryReceiveCapacity, '\0');
    const qint64 size = m_socket->readDatagram(answer.data(), answer.size());
    if (size < kDiscoveryHeaderSize)
        return {};
    return answer.first(size);
}

void SettingsExchange::read(EthernetSettings& settings)
{
    const QByteArray addresses = request(m_requests.getGroup(SettingsGroup::Addresses));
    if (!addresses.isEmpty()) {
        const GroupAddresses group = AddressesFromReply(addresses);
        settings.ipAddress = FormatIpv4(group.address);
        settings.subnetMask = FormatIpv4(group.mask);
        settings.gateway = FormatIpv4(group.gateway);
        settings.lastUsedIp = settings.ipAddress;
    }
    const QByteArray dhcp = request(m_requests.getGroup(SettingsGroup::Dhcp));
    if (!dhcp.isEmpty())
        settings.dhcp = DhcpFromReply(dhcp) ? 1 : 0;
}

void SettingsExchange::write(const EthernetSettings& settings)
{
    request(m_requests.setName(settings.printerName));
    request(m_requests.setAddresses(ParseIpv4(settings.ipAddress), ParseIpv4(settings.subnetMask),
                                    ParseIpv4(settings.gateway)));
    request(m_requests.setDhcp(settings.dhcp == 1));
    request(m_requests.commit());
}

} // namespace norvane
