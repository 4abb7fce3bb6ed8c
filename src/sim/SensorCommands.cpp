#include "SensorCommands.h"

#include "CommandArguments.h"

#include <algorithm>

namespace norvane::sim {

namespace {

/// Above this a sample is more than any printer has intensity steps (the sim may send more to test that).
constexpr qsizetype kMaxOptionValues = 256;

void detect(const QByteArray& mode, const QList<QByteArray>& lengths, QMap<QByteArray, QByteArray>& reports)
{
    reports["SENSORMODE"] = mode;
    if (lengths.size() == 2) {
        reports["PAPERHEIGHT"] = lengths[0] + ".00";
        reports["GAPSIZE"] = lengths[1] + ".00";
    }
}

bool parseSample(const QString& text, QList<std::int32_t>& values)
{
    values.clear();
    for (const QString& item : text.split(u',')) {
        bool ok = false;
        values.append(item.trimmed().toInt(&ok));
        if (!ok || values.size() > kMaxOptionValues)
            return false;
    }
    return true;
}

} // namespace

QList<QByteArray> SensorCommands::keys() const
{
    return {"GAPDETECT",
            "BLINEDETECT",
            "AUTODETECT",
            "SET GAP",
            "DIAGNOSTIC REPORT GAPSENSOR",
            "DIAGNOSTIC REPORT BLINESENSOR"};
}

void SensorCommands::handle(const Command& command, PrinterState& state, QList<Reply>& replies)
{
    const QByteArray& line = command.text;
    auto& reports = state.reports;
    const qsizetype blank = line.indexOf(' ');
    const QByteArray word = blank < 0 ? line : line.left(blank);
    const QList<QByteArray> values = blank < 0 ? QList<QByteArray>{} : CommaValues(line);
    if (word == "GAPDETECT" || word == "AUTODETECT") {
        // An automatic run finds labels on a liner.
        detect("0", values, reports);
    } else if (word == "BLINEDETECT") {
        detect("1", values, reports);
    } else if (line.startsWith("SET GAP ")) {
        const QList<QByteArray> setting = CommaValues(line.mid(4));
        static const char* const kIntensities[] = {"GAPINTEN", "BLINEINTEN", "CONINTEN"};
        reports[kIntensities[std::clamp(reports.value("SENSORMODE").toInt(), 0, 2)]] = setting.value(0);
        if (setting.size() == 2)
            reports["THRESHOLD"] = setting[1];
    } else if (line.startsWith("DIAGNOSTIC REPORT ")) {
        const SensorState& sensor = state.sensor;
        const bool blackMark = line.endsWith("BLINESENSOR");
        const QList<std::int32_t>& sample = blackMark ? (sensor.labelUnderSensor ? sensor.markLabel : sensor.markBlack)
                                                      : (sensor.labelUnderSensor ? sensor.gapLabel : sensor.gapLiner);
        for (const std::int32_t value : sample)
            replies.append({Frame(QByteArray::number(value)), true});
        replies.append({Frame({}), true});
    }
}

bool ParseSensorSamples(const QString& text, QList<std::int32_t>& first, QList<std::int32_t>& second, QString& error)
{
    const QStringList samples = text.split(u'/');
    if (samples.size() != 2 || !parseSample(samples[0], first) || !parseSample(samples[1], second)) {
        error = QStringLiteral("give two lists of whole numbers, at most %1 each, as V,V,.../V,V,...")
                    .arg(kMaxOptionValues);
        return false;
    }
    return true;
}

} // namespace norvane::sim
