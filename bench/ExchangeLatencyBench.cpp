// Round-trip latency of Exchange against the virtual printer over TCP loopback, as a ratio to a bare
// socket sending the same command and reading the same frame.

#include "SimServer.h"
#include "VirtualPrinter.h"
#include "link/LinkLayer.h"
#include "link/PosixIo.h"
#include "link/Progress.h"
#include "protocol/ReplyFraming.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

using namespace norvane;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRounds = 5000;
const QByteArray kCommand = InterfaceAnnouncement(InterfaceKind::Ethernet);

double microsecondsPerRound(Clock::duration total)
{
    return std::chrono::duration<double, std::micro>(total).count() / kRounds;
}

Clock::duration timeExchange(LinkLayer& links)
{
    auto link = links.OpenLink(InterfaceKind::Ethernet);
    QByteArray reply;
    const auto start = Clock::now();
    for (int i = 0; i < kRounds; ++i) {
        if (Exchange(*link, kCommand, reply) != ResultCode::Success)
            std::fprintf(stderr, "exchange failed\n");
    }
    return Clock::now() - start;
}

Clock::duration timeBareSocket(int port)
{
    UniqueFd socket(::socket(AF_INET, SOCK_STREAM, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    ::connect(socket.get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    const int on = 1;
    ::setsockopt(socket.get(), IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    const qsizetype replySize = sim::Frame("NET").size();
    char buffer[256];
    const auto start = Clock::now();
    for (int i = 0; i < kRounds; ++i) {
        ::send(socket.get(), kCommand.constData(), static_cast<std::size_t>(kCommand.size()), 0);
        for (qsizetype got = 0; got < replySize;) {
            const ssize_t n = ::recv(socket.get(), buffer, sizeof buffer, 0);
            if (n <= 0)
                return Clock::now() - start;
            got += n;
        }
    }
    return Clock::now() - start;
}

} // namespace

int main()
{
    sim::VirtualPrinter printer;
    sim::SimServer server(printer);
    const int port = server.listenTcp();
    server.start();

    LinkSettings settings;
    settings.ethernet.host = QStringLiteral("127.0.0.1");
    settings.ethernet.port = port;
    Progress progress;
    LinkLayer links(settings, progress);

    timeBareSocket(port); // warm up both paths once
    timeExchange(links);
    const double bare = microsecondsPerRound(timeBareSocket(port));
    const double exchange = microsecondsPerRound(timeExchange(links));
    std::printf("Exchange round trip over TCP loopback: %.1f us (%d rounds)\n", exchange, kRounds);
    std::printf("bare socket request/reply baseline:    %.1f us\n", bare);
    std::printf("ratio Exchange / baseline:             %.2f\n", exchange / bare);
    return 0;
}
