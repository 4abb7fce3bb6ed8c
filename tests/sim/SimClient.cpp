#include "SimClient.h"

#include "link/Progress.h"
#include "link/WaitPacing.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace norvane::test {

namespace {
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
} // namespace

SimClient SimClient::tcp(int port)
{
    UniqueFd socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::connect(socket.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return SimClient(UniqueFd());
    const int on = 1;
    ::setsockopt(socket.get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return SimClient(std::move(socket));
}

SimClient SimClient::terminal(const QString& path)
{
    return SimClient(UniqueFd(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC)));
}

bool SimClient::send(QByteArrayView bytes)
{
    Progress nobodyWatching;
    WaitPacing pacing(nobodyWatching, std::chrono::seconds(5));
    return writeFully(m_fd.get(), bytes, std::chrono::seconds(5), pacing);
}

bool SimClient::readSome(QByteArray& into, milliseconds timeout)
{
    if (!waitForFd(m_fd.get(), POLLIN, timeout))
        return true;
    char buffer[16384];
    const ssize_t n = ::read(m_fd.get(), buffer, sizeof buffer);
    if (n > 0)
        into.append(buffer, n);
    return n > 0 || (n < 0 && (errno == EINTR || errno == EAGAIN));
}

QByteArray SimClient::readUntil(const std::function<bool(const QByteArray&)>& enough, milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    QByteArray read;
    while (!enough(read) && Clock::now() < deadline) {
        if (!readSome(read, std::chrono::ceil<milliseconds>(deadline - Clock::now())))
            break;
    }
    return read;
}

QByteArray SimClient::readAtLeast(qsizetype count, milliseconds timeout)
{
    return readUntil([count](const QByteArray& read) { return read.size() >= count; }, timeout);
}

bool SimClient::waitForClose(milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    QByteArray dropped;
    while (Clock::now() < deadline) {
        if (!readSome(dropped, std::chrono::ceil<milliseconds>(deadline - Clock::now())))
            return true;
        dropped.clear();
    }
    return false;
}

} // namespace norvane::test
