// Peak resident memory of norvane-cli downloading a 16 MiB file to the virtual printer over TCP loopback,
// against the same tool's peak for a link test to the same printer in the same run: the difference is what
// holding the file costs.

#include "LoopbackPrinter.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace norvane;

namespace {

constexpr qsizetype kFileSize = 16 * 1024 * 1024;

/// Runs the tool with `arguments` and gives its peak resident set in KiB, or -1 when it failed.
long peakKibOfCli(const QStringList& arguments)
{
    QList<QByteArray> words{QByteArrayLiteral(NORVANE_CLI_PATH)};
    for (const QString& argument : arguments)
        words << argument.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("big.dat"));
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(kFileSize, 'D')) != kFileSize) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    file.close();

    bench::LoopbackPrinter loopback;
    const QStringList link{QStringLiteral("--net"), QStringLiteral("127.0.0.1:%1").arg(loopback.port)};
    const long baseline = peakKibOfCli(link + QStringList{QStringLiteral("link-test")});
    const long download =
        peakKibOfCli(link + QStringList{QStringLiteral("files"), QStringLiteral("download"), file.fileName(),
                                        QStringLiteral("--memory"), QStringLiteral("flash")});
    if (baseline < 0 || download < 0) {
        std::fprintf(stderr, "norvane-cli failed\n");
        return 1;
    }
    std::printf("norvane-cli files download of 16 MiB, peak resident: %ld KiB\n", download);
    std::printf("norvane-cli link-test baseline, peak resident:      %ld KiB\n", baseline);
    std::printf("difference: %ld KiB (%.2f x the file's %lld KiB)\n", download - baseline,
                static_cast<double>(download - baseline) / (kFileSize / 1024),
                static_cast<long long>(kFileSize / 1024));
    return 0;
}
