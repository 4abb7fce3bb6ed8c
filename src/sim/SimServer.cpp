#include "SimServer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace norvane::sim {

namespace {

using Clock = std::chrono::steady_clock;

void setNonBlocking(int fd)
{
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
}

} // namespace

SimServer::SimServer(VirtualPrinter& printer) : m_printer(printer)
{
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_wakeRead = pipeFds[0];
        m_wakeWrite = pipeFds[1];
    }
}

SimServer::~SimServer()
{
    stop();
    for (auto& endpoint : m_endpoints)
        close(*endpoint);
    ::close(m_wakeRead);
    ::close(m_wakeWrite);
}

int SimServer::listenTcp(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return 0;
    const int on = 1;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t size = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 8) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::close(fd);
        return 0;
    }
    auto endpoint = std::make_unique<Endpoint>();
    endpoint->fd = fd;
    endpoint->listener = true;
    m_endpoints.push_back(std::move(endpoint));
    return ntohs(address.sin_port);
}

QString SimServer::openPty()
{
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return {};
    termios raw{};
    ::tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    setNonBlocking(master);
    auto endpoint = std::make_unique<Endpoint>();
    endpoint->fd = master;
    endpoint->pty = true;
    endpoint->ptySlave = slave;
    endpoint->session = m_printer.openSession();
    m_endpoints.push_back(std::move(endpoint));
    return QString::fromLocal8Bit(name);
}

void SimServer::start()
{
    if (!m_thread.joinable())
        m_thread = std::thread([this] { run(); });
}

void SimServer::stop()
{
    if (!m_thread.joinable())
        return;
    m_stopping = true;
    const char wake = 0;
    [[maybe_unused]] const auto written = ::write(m_wakeWrite, &wake, 1);
    m_thread.join();
}

void SimServer::run()
{
    while (!m_stopping) {
        std::vector<pollfd> polled{{m_wakeRead, POLLIN, 0}};
        std::vector<Endpoint*> endpoints;
        auto nextDue = Clock::time_point::max();
        const auto now = Clock::now();
        for (auto& endpoint : m_endpoints) {
            if (endpoint->closed)
                continue;
            short events = POLLIN;
            if (!endpoint->pending.empty()) {
                if (endpoint->pending.front().due <= now)
                    events |= POLLOUT;
                else
                    nextDue = std::min(nextDue, endpoint->pending.front().due);
            }
            polled.push_back({endpoint->fd, events, 0});
            endpoints.push_back(endpoint.get());
        }
        int timeoutMs = -1;
        if (nextDue != Clock::time_point::max())
            timeoutMs = static_cast<int>(
                std::max<std::int64_t>(1, std::chrono::ceil<std::chrono::milliseconds>(nextDue - now).count()));
        if (::poll(polled.data(), polled.size(), timeoutMs) < 0 && errno != EINTR)
            return;
        for (std::size_t i = 0; i < endpoints.size(); ++i) {
            Endpoint& endpoint = *endpoints[i];
            const short revents = polled[i + 1].revents;
            if (endpoint.listener) {
                if (revents & POLLIN)
                    acceptClient(endpoint);
                continue;
            }
            if (revents & (POLLIN | POLLHUP | POLLERR))
                readFrom(endpoint);
            if (!endpoint.closed && (revents & POLLOUT))
                writeTo(endpoint);
        }
        std::erase_if(m_endpoints, [](const auto& endpoint) { return endpoint->closed && endpoint->fd < 0; });
    }
}

void SimServer::acceptClient(Endpoint& listener)
{
    const int fd = ::accept4(listener.fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0)
        return;
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    auto client = std::make_unique<Endpoint>();
    client->fd = fd;
    client->session = m_printer.openSession();
    m_endpoints.push_back(std::move(client));
}

void SimServer::readFrom(Endpoint& endpoint)
{
    char buffer[65536];
    const ssize_t n = ::read(endpoint.fd, buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n <= 0) {
        // A pty master reads EIO while no client holds the slave; only a TCP client really goes away.
        if (!endpoint.pty)
            close(endpoint);
        return;
    }
    auto due = endpoint.pending.empty() ? Clock::now() : endpoint.pending.back().due;
    for (const Output& output : endpoint.session->receive(QByteArrayView(buffer, n))) {
        due = std::max(due, Clock::now() + output.delay);
        endpoint.pending.push_back({due, output.bytes, output.closeAfter});
    }
}

void SimServer::writeTo(Endpoint& endpoint)
{
    Pending& front = endpoint.pending.front();
    if (!front.bytes.isEmpty()) {
        const ssize_t n = ::write(endpoint.fd, front.bytes.constData(), static_cast<std::size_t>(front.bytes.size()));
        if (n < 0) {
            if (errno != EAGAIN && errno != EINTR && !endpoint.pty)
                close(endpoint);
            return;
        }
        front.bytes.remove(0, n);
        if (!front.bytes.isEmpty())
            return;
    }
    const bool closeAfter = front.closeAfter;
    endpoint.pending.pop_front();
    if (closeAfter) {
        if (endpoint.pty)
            endpoint.pending.clear(); // a serial line cannot be closed; the rest of the answer is dropped
        else
            close(endpoint);
    }
}

void SimServer::close(Endpoint& endpoint)
{
    if (endpoint.fd >= 0)
        ::close(endpoint.fd);
    if (endpoint.ptySlave >= 0)
        ::close(endpoint.ptySlave);
    endpoint.fd = -1;
    endpoint.ptySlave = -1;
    endpoint.closed = true;
    endpoint.pending.clear();
}

} // namespace norvane::sim
