#include "CommonSettingCommands.h"

#include "CommandArguments.h"

#include <algorithm>
#include <array>
#include <utility>

namespace norvane::sim {

namespace {

using Reports = QMap<QByteArray, QByteArray>;

/// A length as the printer keeps it, in dots: "4.00" in inches, "101.50 mm" in millimetres.
QByteArray dotsOf(const QByteArray& length, const Reports& reports)
{
    const double dpi = reports.value("DPI").toDouble();
    const QByteArray value = length.trimmed();
    if (value.endsWith("mm"))
        return FractionText(value.chopped(2).trimmed().toDouble() * DotsPerMm(dpi));
    return FractionText(value.toDouble() * dpi);
}

QByteArray onOff(const QByteArray& word)
{
    return word == "ON" ? "1" : "0";
}

void setPostPrintAction(PrinterState& state)
{
    QByteArray& action = state.reports["PRINTOUT"];
    if (state.commonSettings.cutter != "OFF") {
        action = "3";
        state.reports["CUTTERPIECE"] = state.commonSettings.cutter;
    } else {
        action = state.commonSettings.peel ? "2" : state.commonSettings.tear ? "1" : "0";
    }
}

const std::array<std::pair<const char*, const char*>, 4> kOnOffSettings{{
    {"SET RIBBON ", "RIBBON"},
    {"SET RIBBONEND ", "RIBBONSENSOR"},
    {"SET ENCODER ", "RIBBONENCODER"},
    {"SET HEAD ", "HEAD"},
}};

const std::array<std::pair<const char*, const char*>, 8> kBaudRates{{
    {"12", "1200"},
    {"24", "2400"},
    {"48", "4800"},
    {"96", "9600"},
    {"19", "19200"},
    {"38", "38400"},
    {"56", "57600"},
    {"115", "115200"},
}};

void setSerialPort(const QList<QByteArray>& values, Reports& reports)
{
    if (values.size() != 4)
        return;
    for (const auto& [shortName, rate] : kBaudRates) {
        if (values[0] == shortName)
            reports["BAUDRATE"] = rate;
    }
    reports["PARITY"] = values[1] == "O" ? "Odd" : values[1] == "E" ? "Even" : "None";
    reports["DATABIT"] = values[2];
    reports["STOPBIT"] = values[3];
}

void setSensor(const QByteArray& mode, const QList<QByteArray>& values, Reports& reports)
{
    if (values.size() != 2)
        return;
    const QByteArray size = dotsOf(values[0], reports);
    const QByteArray offset = dotsOf(values[1], reports);
    // "GAP 0,0" is how the printer is told to use continuous media.
    if (mode == "0" && size.toDouble() == 0.0 && offset.toDouble() == 0.0) {
        reports["SENSORMODE"] = "2";
        return;
    }
    reports["SENSORMODE"] = mode;
    reports["GAPSIZE"] = size;
    reports["GAPOFFSET"] = offset;
}

} // namespace

QList<QByteArray> CommonSettingCommands::keys() const
{
    return {"SPEED", "DENSITY",   "CODEPAGE",  "COUNTRY", "LANGUAGE", "SIZE",      "GAP",
            "BLINE", "REFERENCE", "DIRECTION", "OFFSET",  "SHIFT",    "LIMITFEED", "SET"};
}

void CommonSettingCommands::handle(const Command& command, PrinterState& state, QList<Reply>&)
{
    const QByteArray& line = command.text;
    Reports& reports = state.reports;
    const QByteArray word = line.left(line.indexOf(' '));
    const QByteArray rest = line.mid(word.size() + 1);
    const QList<QByteArray> values = CommaValues(line);

    if (word == "SPEED" || word == "DENSITY" || word == "CODEPAGE" || word == "COUNTRY" || word == "LANGUAGE") {
        reports[word] = rest.trimmed();
    } else if (word == "SIZE" && values.size() == 2) {
        reports["PAPERWIDTH"] = dotsOf(values[0], reports);
        reports["PAPERHEIGHT"] = dotsOf(values[1], reports);
    } else if (word == "GAP" || word == "BLINE") {
        setSensor(word == "GAP" ? "0" : "1", values, reports);
    } else if (word == "REFERENCE" && values.size() == 2) {
        reports["REFERENCEX"] = values[0];
        reports["REFERENCEY"] = values[1];
    } else if (word == "DIRECTION") {
        reports["DIRCTION"] = values.value(0);
        if (values.size() == 2)
            reports["MIRROR"] = values[1];
    } else if (word == "OFFSET" && rest.endsWith(" dot")) {
        reports["OFFSET"] = rest.chopped(4);
    } else if (word == "SHIFT") {
        reports["SHIFT"] = values.last();
        if (values.size() == 2)
            reports["SHIFTX"] = values[0];
    } else if (word == "LIMITFEED" && rest.endsWith(" dot")) {
        reports["MAXLENGTH"] = FractionText(rest.chopped(4).toDouble());
    } else if (line.startsWith("SET TEAR ")) {
        state.commonSettings.tear = line.endsWith(" ON");
        setPostPrintAction(state);
    } else if (line.startsWith("SET PEEL ")) {
        state.commonSettings.peel = line.endsWith(" ON");
        setPostPrintAction(state);
    } else if (line.startsWith("SET CUTTER ")) {
        state.commonSettings.cutter = line.mid(11);
        setPostPrintAction(state);
    } else if (line.startsWith("SET REPRINT ")) {
        reports["REPRINT"] = onOff(line.mid(12));
    } else if (line.startsWith("SET SENSOR_REF ")) {
        reports["AUTOTHRESHOLD"] = line.endsWith("AUTO") ? "1" : "0";
    } else if (line.startsWith("SET COM1 ")) {
        setSerialPort(line.mid(9).split(','), reports);
    } else {
        for (const auto& [prefix, key] : kOnOffSettings) {
            if (line.startsWith(prefix)) {
                reports[key] = onOff(line.mid(qstrlen(prefix)));
                break;
            }
        }
    }
}

} // namespace norvane::sim
