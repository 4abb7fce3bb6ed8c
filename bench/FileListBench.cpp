// The file lists and spaces of three memories of 200 files each, read over TCP loopback from the virtual
// printer, as a ratio to a bare socket that sends the same queries and reads the same replies in the same run.

#include "LoopbackPrinter.h"
#include "files/FileListStore.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <sys/socket.h>
#include <vector>

using namespace norvane;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kReads = 200;
constexpr int kFilesPerMemory = 200;

void fillMemories(sim::VirtualPrinter& printer)
{
    printer.withState([](sim::PrinterState& state) {
        for (sim::Memory* memory : {&state.memories.dram, &state.memories.flash, &state.memories.card}) {
            for (int i = 0; i < kFilesPerMemory; ++i)
                memory->files.append({QByteArray("LOGO") + QByteArray::number(i).rightJustified(4, '0') + ".BMP", "x"});
        }
    });
}

/// One query of the read and whether its reply is a list ended by an empty frame.
struct Query
{
    QByteArray command;
    bool list;
};

/// The queries one read sends, taken from what the printer received.
QList<Query> recordQueries(sim::VirtualPrinter& printer, CommandDispatcher& dispatcher, FileListStore& store)
{
    printer.clearLogs();
    dispatcher.dispatch<OperationCode::ReadFileLists>(InterfaceKind::Ethernet, store);
    QList<Query> queries;
    for (const QByteArray& line : printer.received().split('\n')) {
        if (line.startsWith("DIAGNOSTIC"))
            queries.append({(queries.isEmpty() ? "\r\n" : "") + line + '\n', line.endsWith("FILELIST\r")});
    }
    return queries;
}

/// Reads frames from the socket until one frame came, or for a list the empty one; `pending` holds the
/// bytes read beyond it.
bool readReply(int socket, bool list, QByteArray& pending)
{
    char buffer[16384];
    qsizetype at = 0;
    for (;;) {
        const qsizetype open = pending.indexOf('{', at);
        const qsizetype bar = open < 0 ? -1 : pending.indexOf('|', open);
        if (bar > 0) {
            const qsizetype length = QByteArrayView(pending).sliced(open + 1, bar - open - 1).toLongLong();
            if (pending.size() >= bar + 1 + length + 1) {
                at = bar + 1 + length + 1;
                if (!list || length == 0) {
                    pending.remove(0, at);
                    return true;
                }
                continue;
            }
        }
        const ssize_t n = ::recv(socket, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        pending.append(buffer, n);
    }
}

Clock::duration timeBareSocket(int port, const QList<Query>& queries)
{
    const auto start = Clock::now();
    const UniqueFd socket = bench::ConnectBareSocket(port);
    QByteArray pending;
    for (const Query& query : queries) {
        ::send(socket.get(), query.command.constData(), static_cast<std::size_t>(query.command.size()), 0);
        if (!readReply(socket.get(), query.list, pending))
            std::fprintf(stderr, "bare socket: no reply to %s", query.command.constData());
    }
    return Clock::now() - start;
}

Clock::duration timeRead(CommandDispatcher& dispatcher, FileListStore& store)
{
    const auto start = Clock::now();
    if (dispatcher.dispatch<OperationCode::ReadFileLists>(InterfaceKind::Ethernet, store) != ResultCode::Success)
        std::fprintf(stderr, "read failed\n");
    return Clock::now() - start;
}

/// The median in milliseconds: the machine is shared, and a median shrugs off the rounds others slowed.
double medianMilliseconds(std::vector<Clock::duration> times)
{
    std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2), times.end());
    return std::chrono::duration<double, std::milli>(times[times.size() / 2]).count();
}

} // namespace

int main()
{
    bench::LoopbackPrinter loopback;
    fillMemories(loopback.printer);
    const auto store = std::make_unique<FileListStore>();
    const QList<Query> queries = recordQueries(loopback.printer, loopback.dispatcher, *store);
    qsizetype files = 0;
    for (const MemoryDevice memory : kMemoryDevices)
        files += (*store)[memory].entries().size();
    // Interleaved, so a load that comes and goes weighs on both alike.
    std::vector<Clock::duration> bareTimes;
    std::vector<Clock::duration> readTimes;
    for (int i = 0; i < kReads; ++i) {
        bareTimes.push_back(timeBareSocket(loopback.port, queries));
        readTimes.push_back(timeRead(loopback.dispatcher, *store));
    }
    const double bare = medianMilliseconds(bareTimes);
    const double read = medianMilliseconds(readTimes);
    std::printf("file lists of 3 memories (%lld files, %lld queries): %.2f ms (median of %d reads)\n",
                static_cast<long long>(files), static_cast<long long>(queries.size()), read, kReads);
    std::printf("bare socket, same queries and replies:             %.2f ms\n", bare);
    std::printf("ratio read / baseline:                             %.2f\n", read / bare);
    return 0;
}
