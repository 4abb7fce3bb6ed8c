#include "SimServer.h"

#include "PtyEndpoint.h"
#include "TcpListener.h"
#include "UdpEndpoint.h"
#include "UsbEndpoint.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace norvane::sim {

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
    m_endpoints.clear();
    ::close(m_wakeRead);
    ::close(m_wakeWrite);
}

int SimServer::listenTcp(int port)
{
    auto listener = TcpListener::listen(
        port, m_printer, [this](std::unique_ptr<Endpoint> connection) { m_accepted.push_back(std::move(connection)); });
    if (!listener)
        return 0;
    const int bound = listener->port();
    m_endpoints.push_back(std::move(listener));
    return bound;
}

int SimServer::listenUdp(int port)
{
    auto endpoint = UdpEndpoint::open(port, m_printer);
    if (!endpoint)
        return 0;
    const int bound = endpoint->port();
    m_endpoints.push_back(std::move(endpoint));
    return bound;
}

QString SimServer::openPty()
{
    auto pty = PtyEndpoint::open(m_printer);
    if (!pty)
        return {};
    const QString path = pty->path();
    m_endpoints.push_back(std::move(pty));
    return path;
}

bool SimServer::openUsb(const QString& dir)
{
    auto usb = UsbEndpoint::open(m_printer, dir);
    if (!usb)
        return false;
    m_endpoints.push_back(std::move(usb));
    return true;
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
    std::vector<pollfd> polled;
    while (!m_stopping) {
        polled.assign(1, {m_wakeRead, POLLIN, 0});
        const auto now = Endpoint::Clock::now();
        auto wakeAt = Endpoint::Clock::time_point::max();
        for (const auto& endpoint : m_endpoints)
            polled.push_back({endpoint->fd(), endpoint->events(now, wakeAt), 0});
        int timeoutMs = -1;
        if (wakeAt != Endpoint::Clock::time_point::max())
            timeoutMs = static_cast<int>(
                std::max<std::int64_t>(1, std::chrono::ceil<std::chrono::milliseconds>(wakeAt - now).count()));
        if (::poll(polled.data(), polled.size(), timeoutMs) < 0 && errno != EINTR)
            return;
        for (std::size_t i = 0; i < m_endpoints.size(); ++i) {
            if (const short revents = polled[i + 1].revents)
                m_endpoints[i]->handle(revents);
        }
        std::erase_if(m_endpoints, [](const auto& endpoint) { return endpoint->finished(); });
        std::move(m_accepted.begin(), m_accepted.end(), std::back_inserter(m_endpoints));
        m_accepted.clear();
    }
}

} // namespace norvane::sim
