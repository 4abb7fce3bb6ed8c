// Round-trip latency of Exchange against the virtual printer over TCP loopback, as a ratio to a bare
// socket sending the same command and reading the same frame.

#include "LoopbackPrinter.h"
#include "SimFault.h"
#include "protocol/ReplyFraming.h"

#include <chrono>
#include <cstdio>
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
    const UniqueFd socket = bench::ConnectBareSocket(port);
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
    bench::LoopbackPrinter loopback;
    timeBareSocket(loopback.port); // warm up both paths once
    timeExchange(loopback.links);
    const double bare = microsecondsPerRound(timeBareSocket(loopback.port));
    const double exchange = microsecondsPerRound(timeExchange(loopback.links));
    std::printf("Exchange round trip over TCP loopback: %.1f us (%d rounds)\n", exchange, kRounds);
    std::printf("bare socket request/reply baseline:    %.1f us\n", bare);
    std::printf("ratio Exchange / baseline:             %.2f\n", exchange / bare);
    return 0;
}
