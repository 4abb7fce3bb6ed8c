// A 16 MiB file downloaded into FLASH over TCP loopback, as a throughput ratio to a bare socket sending the
// same header and bytes to the same virtual printer in the same run. Each round ends when the printer has
// stored the whole file, so both sides pay the printer's parsing alike.

#include "LoopbackPrinter.h"
#include "files/DownloadRequest.h"
#include "protocol/FileOperations.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/socket.h>
#include <thread>
#include <vector>

using namespace norvane;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRounds = 15;
constexpr qsizetype kFileSize = 16 * 1024 * 1024;

/// Empties FLASH and the logs, outside the timed part.
void resetPrinter(sim::VirtualPrinter& printer)
{
    printer.withState([](sim::PrinterState& state) {
        state.memories.flash.files.clear();
        state.memories.flash.freeKb = state.memories.flash.physicalKb;
    });
    printer.clearLogs();
}

void waitUntilStored(sim::VirtualPrinter& printer)
{
    while (!printer.withState([](const sim::PrinterState& state) {
        return !state.memories.flash.files.isEmpty() && state.memories.flash.files[0].bytes.size() == kFileSize;
    }))
        std::this_thread::yield();
}

Clock::duration timeBareSocket(bench::LoopbackPrinter& loopback, const QByteArray& header, const QByteArray& bytes)
{
    resetPrinter(loopback.printer);
    const auto start = Clock::now();
    {
        const UniqueFd socket = bench::ConnectBareSocket(loopback.port);
        ::send(socket.get(), header.constData(), static_cast<std::size_t>(header.size()), 0);
        for (qsizetype sent = 0; sent < bytes.size();) {
            const ssize_t n = ::send(socket.get(), bytes.constData() + sent,
                                     static_cast<std::size_t>(bytes.size() - sent), MSG_NOSIGNAL);
            if (n <= 0) {
                std::fprintf(stderr, "bare socket: send failed\n");
                return Clock::now() - start;
            }
            sent += n;
        }
    }
    waitUntilStored(loopback.printer);
    return Clock::now() - start;
}

Clock::duration timeDownload(bench::LoopbackPrinter& loopback, const DownloadRequest& request)
{
    resetPrinter(loopback.printer);
    const auto start = Clock::now();
    if (loopback.dispatcher.dispatch<OperationCode::DownloadFile>(InterfaceKind::Ethernet, request) !=
        ResultCode::Success)
        std::fprintf(stderr, "download failed\n");
    waitUntilStored(loopback.printer);
    return Clock::now() - start;
}

/// The median round's throughput: the machine is shared, and a median shrugs off the rounds others slowed.
double medianMebibytesPerSecond(std::vector<Clock::duration> times)
{
    std::nth_element(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2), times.end());
    return static_cast<double>(kFileSize) / (1024.0 * 1024.0) /
           std::chrono::duration<double>(times[times.size() / 2]).count();
}

} // namespace

int main()
{
    QTemporaryDir dir;
    QByteArray bytes(kFileSize, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7919) >> 8);
    QFile file(dir.filePath("BIG.DAT"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    file.close();
    const DownloadRequest request{file.fileName(), "BIG.DAT", MemoryDevice::Flash};
    const QByteArray header = DownloadHeader(request.memory, request.printerName, kFileSize);

    bench::LoopbackPrinter loopback;
    // Interleaved, so a load that comes and goes weighs on both alike.
    std::vector<Clock::duration> bareTimes;
    std::vector<Clock::duration> downloadTimes;
    for (int i = 0; i < kRounds; ++i) {
        bareTimes.push_back(timeBareSocket(loopback, header, bytes));
        downloadTimes.push_back(timeDownload(loopback, request));
    }
    const double bare = medianMebibytesPerSecond(bareTimes);
    const double download = medianMebibytesPerSecond(downloadTimes);
    std::printf("16 MiB download over TCP loopback: %.1f MiB/s (median of %d rounds)\n", download, kRounds);
    std::printf("bare socket, same header and bytes: %.1f MiB/s\n", bare);
    std::printf("ratio download / baseline:          %.2f\n", download / bare);
    return 0;
}
