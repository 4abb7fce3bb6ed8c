// The largest grid a user can make, the Simplified Chinese one (96 + 126 x 191 = 24 162 glyphs) at 24 pixels,
// against otf2bdf rasterising the same font at the same size in the same run. Prints the time per glyph of
// each, their ratio (goal: at most 1/3) and the peak resident memory (goal: under 100 MB).
#include "fonts/FontMaker.h"
#include "link/Progress.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr char kFontFile[] = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
constexpr int kPixels = 24;
constexpr int kRuns = 3;

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

/// Processor time per glyph, in microseconds, of everything measured since `start`.
double cpuPerGlyph(double start, int who, double glyphs)
{
    return (cpuSeconds(who) - start) * 1e6 / glyphs;
}

/// Microseconds per glyph: the best run's elapsed time, and the mean processor time over all runs.
struct PerGlyph
{
    double elapsed = -1;
    double cpu = 0;
};

/// otf2bdf's times per glyph; a negative elapsed time when it failed.
PerGlyph otf2bdfPerGlyph(const QString& output)
{
    double best = -1;
    const double cpuStart = cpuSeconds(RUSAGE_CHILDREN);
    qsizetype allGlyphs = 0;
    for (int run = 0; run < kRuns; ++run) {
        QProcess otf2bdf;
        QElapsedTimer timer;
        timer.start();
        // 24 points at 72 dots per inch: 24 pixels.
        otf2bdf.start(QStringLiteral("otf2bdf"),
                      {QStringLiteral("-p"), QString::number(kPixels), QStringLiteral("-r"), QStringLiteral("72"),
                       QStringLiteral("-o"), output, QString::fromLatin1(kFontFile)});
        if (!otf2bdf.waitForFinished(120000))
            return {};
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1000.0;
        QFile bdf(output);
        if (!bdf.open(QIODevice::ReadOnly))
            return {};
        const qsizetype glyphs = bdf.readAll().count("STARTCHAR");
        if (glyphs == 0)
            return {};
        const double perGlyph = elapsed / static_cast<double>(glyphs);
        best = best < 0 ? perGlyph : std::min(best, perGlyph);
        allGlyphs += glyphs;
    }
    return {best, cpuPerGlyph(cpuStart, RUSAGE_CHILDREN, static_cast<double>(allGlyphs))};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QStringList families =
        QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(QString::fromLatin1(kFontFile)));
    if (families.isEmpty()) {
        std::fprintf(stderr, "cannot load %s\n", kFontFile);
        return 1;
    }

    norvane::BitmapFontParams params;
    params.doubleByte = true;
    params.asianEncoding = norvane::AsianEncoding::SimplifiedChinese;
    params.cellWidth = kPixels;
    params.cellHeight = kPixels;
    params.font = QFont(families.first());
    params.font.setPixelSize(kPixels);
    params.outputPath = dir.filePath(QStringLiteral("gb.bmf"));
    constexpr double kGlyphs = 96 + 126 * 191;

    double best = -1;
    const double cpuStart = cpuSeconds(RUSAGE_SELF);
    for (int run = 0; run < kRuns; ++run) {
        norvane::Progress progress;
        QElapsedTimer timer;
        timer.start();
        if (!norvane::MakeFont(params, progress)) {
            std::fprintf(stderr, "the font was not made\n");
            return 1;
        }
        const double perGlyph = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / kGlyphs;
        best = best < 0 ? perGlyph : std::min(best, perGlyph);
    }
    const double makerCpu = cpuPerGlyph(cpuStart, RUSAGE_SELF, kGlyphs * kRuns);
    const PerGlyph baseline = otf2bdfPerGlyph(dir.filePath(QStringLiteral("font.bdf")));

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("font maker: %.2f us per glyph (best of %d, %d glyphs, %lld bytes)\n", best, kRuns,
                static_cast<int>(kGlyphs), static_cast<long long>(QFile(params.outputPath).size()));
    if (baseline.elapsed > 0)
        std::printf("otf2bdf:    %.2f us per glyph (best of %d)\nratio:      %.2f (goal at most 0.33)\n",
                    baseline.elapsed, kRuns, best / baseline.elapsed);
    else
        std::printf("otf2bdf:    not measured (is it installed?)\n");
    std::printf("processor time per glyph (all cores, mean): font maker %.2f us, otf2bdf %.2f us, ratio %.2f\n",
                makerCpu, baseline.cpu, baseline.cpu > 0 ? makerCpu / baseline.cpu : 0.0);
    std::printf("peak RSS:   %.1f MB (goal under 100 MB)\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
