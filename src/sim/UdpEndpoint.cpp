#include "UdpEndpoint.h"

#include "DiscoveryResponder.h"
#include "net/DiscoveryDatagram.h"

#include <arpa/inet.h>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

namespace norvane::sim {

namespace {

constexpr in_addr_t kLoopbackNet = 0x7F000000;
constexpr in_addr_t kClassAMask = 0xFF000000;

bool fromThisMachine(const sockaddr_in& sender)
{
    return (ntohl(sender.sin_addr.s_addr) & kClassAMask) == kLoopbackNet;
}

} // namespace

std::unique_ptr<UdpEndpoint> UdpEndpoint::open(int port, VirtualPrinter& printer)
{
    UniqueFd socket(::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!socket.isValid())
        return nullptr;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t size = sizeof address;
    if (::bind(socket.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(socket.get(), reinterpret_cast<sockaddr*>(&address), &size) != 0)
        return nullptr;
    // Without a route to the group this fails, and only unicast and broadcast requests arrive.
    ip_mreq group{};
    group.imr_multiaddr.s_addr = inet_addr("224.0.0.251");
    group.imr_interface.s_addr = htonl(INADDR_LOOPBACK);
    ::setsockopt(socket.get(), IPPROTO_IP, IP_ADD_MEMBERSHIP, &group, sizeof group);
    return std::unique_ptr<UdpEndpoint>(new UdpEndpoint(std::move(socket), ntohs(address.sin_port), printer));
}

UdpEndpoint::UdpEndpoint(UniqueFd socket, int port, VirtualPrinter& printer)
    : m_socket(std::move(socket)), m_port(port), m_printer(printer)
{
}

short UdpEndpoint::events(Clock::time_point, Clock::time_point&) const
{
    return static_cast<short>(POLLIN | (m_queue.isEmpty() ? 0 : POLLOUT));
}

void UdpEndpoint::handle(short revents)
{
    if (revents & POLLIN) {
        QByteArray datagram(norvane::kDiscoveryReceiveCapacity, '\0');
        sockaddr_in sender{};
        socklen_t size = sizeof sender;
        const ssize_t received = ::recvfrom(m_socket.get(), datagram.data(), static_cast<size_t>(datagram.size()), 0,
                                            reinterpret_cast<sockaddr*>(&sender), &size);
        if (received >= 0 && fromThisMachine(sender)) {
            datagram.truncate(received);
            const QList<QByteArray> answers =
                m_printer.withState([&](PrinterState& state) { return AnswerDiscovery(datagram, state.network); });
            for (const QByteArray& answer : answers)
                m_queue.append({sender, answer});
        }
    }
    if (revents & POLLOUT) {
        while (!m_queue.isEmpty()) {
            const Outgoing& next = m_queue.first();
            const ssize_t sent =
                ::sendto(m_socket.get(), next.datagram.constData(), static_cast<size_t>(next.datagram.size()), 0,
                         reinterpret_cast<const sockaddr*>(&next.to), sizeof next.to);
            if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;
            m_queue.removeFirst();
        }
    }
}

} // namespace norvane::sim
