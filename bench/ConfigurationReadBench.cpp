// The full configuration read of an edition-108 printer over TCP loopback against the virtual printer, as
// a ratio to a bare socket that sends the same queries and reads the same replies in the same run.

#include "LoopbackPrinter.h"
#include "config/PrinterConfig.h"

#include <chrono>
#include <cstdio>
#include <sys/socket.h>

using namespace norvane;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kReads = 200;

/// One query of the read and how its reply ends: a frame, or the serial number's line.
struct Query
{
    QByteArray command;
    bool lineReply;
};

/// The queries one read sends, taken from what the printer received.
QList<Query> recordQueries(sim::VirtualPrinter& printer, CommandDispatcher& dispatcher)
{
    printer.clearLogs();
    PrinterConfig config;
    dispatcher.dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Ethernet, config, 0);
    QList<Query> queries;
    for (const QByteArray& line : printer.received().split('\n')) {
        if (line.startsWith("DIAGNOSTIC") || line.startsWith("OUT"))
            queries.append({(queries.isEmpty() ? "\r\n" : "") + line + '\n', line.startsWith("OUT")});
    }
    return queries;
}

bool readReply(int socket, bool lineReply)
{
    QByteArray reply;
    char buffer[4096];
    for (;;) {
        if (lineReply ? reply.endsWith('\n') : reply.endsWith('}') && reply.contains('|')) {
            if (lineReply)
                return true;
            const qsizetype bar = reply.indexOf('|');
            const qsizetype length = reply.mid(reply.indexOf('{') + 1, bar - reply.indexOf('{') - 1).toLongLong();
            if (reply.size() >= bar + 1 + length + 1)
                return true;
        }
        const ssize_t n = ::recv(socket, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        reply.append(buffer, n);
    }
}

Clock::duration timeBareSocket(int port, const QList<Query>& queries)
{
    const auto start = Clock::now();
    for (int i = 0; i < kReads; ++i) {
        const UniqueFd socket = bench::ConnectBareSocket(port);
        for (const Query& query : queries) {
            ::send(socket.get(), query.command.constData(), static_cast<std::size_t>(query.command.size()), 0);
            if (!readReply(socket.get(), query.lineReply))
                std::fprintf(stderr, "bare socket: no reply to %s", query.command.constData());
        }
    }
    return Clock::now() - start;
}

Clock::duration timeReads(CommandDispatcher& dispatcher)
{
    const auto start = Clock::now();
    for (int i = 0; i < kReads; ++i) {
        PrinterConfig config;
        if (dispatcher.dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Ethernet, config, 0) !=
            ResultCode::Success)
            std::fprintf(stderr, "read failed\n");
    }
    return Clock::now() - start;
}

double millisecondsPerRead(Clock::duration total)
{
    return std::chrono::duration<double, std::milli>(total).count() / kReads;
}

} // namespace

int main()
{
    bench::LoopbackPrinter loopback;
    const QList<Query> queries = recordQueries(loopback.printer, loopback.dispatcher);
    timeBareSocket(loopback.port, queries); // warm up both paths once
    timeReads(loopback.dispatcher);
    const double bare = millisecondsPerRead(timeBareSocket(loopback.port, queries));
    const double read = millisecondsPerRead(timeReads(loopback.dispatcher));
    std::printf("configuration read of an edition-108 printer: %.2f ms (%lld queries, %d reads)\n", read,
                static_cast<long long>(queries.size()), kReads);
    std::printf("bare socket, same queries and replies:        %.2f ms\n", bare);
    std::printf("ratio read / baseline:                        %.2f\n", read / bare);
    return 0;
}
