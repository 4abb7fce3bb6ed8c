#include "link/TcpTransport.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>

namespace norvane {

namespace {

UniqueFd connectTo(const addrinfo& address, std::chrono::milliseconds timeout, WaitPacing& pacing)
{
    UniqueFd socket(
        ::socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address.ai_protocol));
    if (!socket.isValid())
        return {};
    if (::connect(socket.get(), address.ai_addr, address.ai_addrlen) != 0) {
        if (errno != EINPROGRESS || waitForFdPaced(socket.get(), POLLOUT, timeout, pacing) != PacedWait::Ready)
            return {};
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0 || error != 0)
            return {};
    }
    // Commands are small and each waits for its reply: send them at once.
    const int on = 1;
    ::setsockopt(socket.get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return socket;
}

} // namespace

std::unique_ptr<TcpTransport> TcpTransport::TcpConnect(const QString& host, int port, const LinkTimeouts& timeouts,
                                                       WaitPacing& pacing, const AddressLookup& lookup)
{
    if (host.isEmpty() || port <= 0 || port > 65535)
        return nullptr;
    const AddressList found = ResolveHost(host.toUtf8(), port, timeouts.ethernet, pacing, lookup);
    UniqueFd socket;
    for (const addrinfo* address = found.get(); address && !socket.isValid(); address = address->ai_next)
        socket = connectTo(*address, timeouts.ethernet, pacing);
    if (!socket.isValid())
        return nullptr;
    return std::unique_ptr<TcpTransport>(new TcpTransport(std::move(socket), timeouts));
}

bool TcpTransport::writeChunk(QByteArrayView chunk, WaitPacing& pacing)
{
    qsizetype sent = 0;
    int stalledWaits = 0;
    while (sent < chunk.size()) {
        const PacedWait wait = waitForFdPaced(m_socket.get(), POLLOUT, m_timeouts.ethernet, pacing);
        if (wait == PacedWait::Stopped)
            return false;
        if (wait == PacedWait::TimedOut) {
            if (++stalledWaits > m_timeouts.ethernetStalledWriteRetries)
                return false;
            continue;
        }
        const ssize_t n =
            ::send(m_socket.get(), chunk.data() + sent, static_cast<std::size_t>(chunk.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
            stalledWaits = 0;
        } else if (n < 0 && errno != EINTR && errno != EAGAIN) {
            return false;
        }
    }
    return true;
}

FetchResult TcpTransport::fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout)
{
    return readWithTimeout(m_socket.get(), into, capacity, timeout);
}

} // namespace norvane
