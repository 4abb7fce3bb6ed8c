// Reading the whole configuration of 16 virtual printers over TCP loopback: `norvane-cli batch` at 4 and at 16
// jobs against the same 16 reads one after another in the same run, both as 16 runs of norvane-cli
// read-config (what a shell loop does) and as 16 reads inside this process (no process start at all).
// Once with printers that answer at once and once with printers that take 5 ms per answer, nearer to a
// real printer's pace.

#include "LoopbackPrinter.h"
#include "config/PrinterConfig.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace norvane;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kPrinters = 16;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

QString target(const bench::LoopbackPrinter& printer)
{
    return QStringLiteral("127.0.0.1:%1").arg(printer.port);
}

/// Runs norvane-cli; false when it did not exit 0.
bool runCli(const QStringList& arguments, QByteArray* out = nullptr)
{
    QProcess cli;
    cli.start(QStringLiteral(NORVANE_CLI_PATH), arguments);
    cli.waitForFinished(600000);
    if (out)
        *out = cli.readAllStandardOutput();
    return cli.exitStatus() == QProcess::NormalExit && cli.exitCode() == 0;
}

double timeBatch(const QString& targetsFile, int jobs)
{
    const auto start = Clock::now();
    QByteArray out;
    if (!runCli({"batch", "--targets", targetsFile, "--jobs", QString::number(jobs), "--", "read-config"}, &out) ||
        out.count("\"exit\": 0,") != kPrinters)
        std::fprintf(stderr, "batch: not every read succeeded\n");
    return secondsSince(start);
}

double timeSequentialProcesses(const std::vector<std::unique_ptr<bench::LoopbackPrinter>>& printers)
{
    const auto start = Clock::now();
    for (const auto& printer : printers) {
        if (!runCli({"--net", target(*printer), "read-config"}))
            std::fprintf(stderr, "read-config of %s failed\n", qPrintable(target(*printer)));
    }
    return secondsSince(start);
}

double timeSequentialInProcess(const std::vector<std::unique_ptr<bench::LoopbackPrinter>>& printers)
{
    const auto start = Clock::now();
    for (const auto& printer : printers) {
        PrinterConfig config;
        if (printer->dispatcher.dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Ethernet, config, 1) !=
            ResultCode::Success)
            std::fprintf(stderr, "read of %s failed\n", qPrintable(target(*printer)));
    }
    return secondsSince(start);
}

void measure(const char* title, std::chrono::milliseconds answerDelay)
{
    std::vector<std::unique_ptr<bench::LoopbackPrinter>> printers;
    QByteArray targets;
    for (int i = 0; i < kPrinters; ++i) {
        auto& printer = printers.emplace_back(std::make_unique<bench::LoopbackPrinter>());
        printer->printer.withState([&](sim::PrinterState& state) {
            state.fault = answerDelay.count() > 0 ? sim::SimFault::AnswerLate : sim::SimFault::None;
            state.replyDelay = answerDelay;
        });
        targets += "--net " + target(*printer).toUtf8() + '\n';
    }
    QTemporaryDir dir;
    const QString targetsFile = dir.filePath(QStringLiteral("targets"));
    QFile file(targetsFile);
    file.open(QIODevice::WriteOnly);
    file.write(targets);
    file.close();

    timeSequentialInProcess(printers); // warm up once
    const double inProcess = timeSequentialInProcess(printers);
    const double processes = timeSequentialProcesses(printers);
    const double batch4 = timeBatch(targetsFile, 4);
    const double batch16 = timeBatch(targetsFile, 16);
    std::printf("%s\n", title);
    std::printf("  16 reads in this process, one after another:   %6.2f s\n", inProcess);
    std::printf("  16 runs of norvane-cli read-config, in turn:   %6.2f s\n", processes);
    std::printf("  batch --jobs 4:                                %6.2f s  speed-up %.1fx over the runs in turn, "
                "%.1fx over the reads in this process\n",
                batch4, processes / batch4, inProcess / batch4);
    std::printf("  batch --jobs 16:                               %6.2f s  speed-up %.1fx over the runs in turn, "
                "%.1fx over the reads in this process\n",
                batch16, processes / batch16, inProcess / batch16);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    measure("printers answering at once:", std::chrono::milliseconds(0));
    measure("printers taking 5 ms per answer:", std::chrono::milliseconds(5));
    return 0;
}
