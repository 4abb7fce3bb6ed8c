#include "EmulationSettingCommands.h"

#include <cmath>

namespace norvane::sim {

namespace {

using Reports = QMap<QByteArray, QByteArray>;

const QByteArray kZControlPrefix = "\x10";
const QByteArray kZFormatPrefix = "\x1eXA\x1e";
const QByteArray kZSuffix = "\x1eJUS\x1eXZ";
/// A D command's lead-in: STX in the standard control-code set, "~" in the two others.
const QByteArray kDStandardLeadIn = "\x02";
const QByteArray kDAlternateLeadIn = "~";

/// The Z command inside its wrapping, or an empty text.
QByteArray unwrapZ(const QByteArray& line)
{
    if (!line.endsWith(kZSuffix))
        return {};
    QByteArray inner = line.chopped(kZSuffix.size());
    if (inner.startsWith(kZControlPrefix) && inner.endsWith("\x1eXA"))
        return inner.sliced(kZControlPrefix.size(), inner.size() - kZControlPrefix.size() - 3);
    if (inner.startsWith(kZFormatPrefix))
        return inner.sliced(kZFormatPrefix.size());
    return {};
}

void applyZ(const QByteArray& command, Reports& reports)
{
    const QByteArray name = command.left(2);
    const QByteArray value = command.mid(2);
    static const QMap<QByteArray, QByteArray> kKeys{
        {"SD", "ZDARKNESS"}, {"PR", "ZSPEED"},  {"TA", "ZPOSITION"},  {"MM", "ZPRINTMODE"}, {"PW", "ZLABELWIDTH"},
        {"CT", "ZCONTROL"},  {"CC", "ZFORMAT"}, {"CD", "ZDELIMITER"}, {"LT", "ZLABELTOP"},  {"LS", "ZLABELSHIFT"},
    };
    if (name == "MF") {
        // One parameter is the power-up action; a delimiter first leaves it out and sets the head-close action.
        if (value.size() == 1)
            reports["ZFEEDPOWERUP"] = value;
        else if (value.size() == 2)
            reports["ZFEEDHEADCLOSE"] = value.mid(1);
        return;
    }
    const auto key = kKeys.constFind(name);
    if (key != kKeys.constEnd() && !value.isEmpty())
        reports[*key] = value;
}

/// A D command without its lead-in (STX or "~") and its "|" terminator; the CR terminator is already gone.
QByteArray unwrapD(const QByteArray& line)
{
    if (!line.startsWith(kDStandardLeadIn) && !line.startsWith(kDAlternateLeadIn))
        return {};
    QByteArray command = line.mid(1);
    if (command.endsWith('|'))
        command.chop(1);
    return command.startsWith('K') ? command : QByteArray();
}

QByteArray dotsFromHundredths(const QByteArray& hundredths, const Reports& reports)
{
    return QByteArray::number(std::lround(hundredths.toDouble() * reports.value("DPI").toDouble() / 100.0));
}

void applyD(const QByteArray& command, Reports& reports)
{
    if (command.startsWith("KZH")) {
        reports["DHEAT"] = command.mid(3);
    } else if (command.startsWith("KZP")) {
        reports["DSPEED"] = command.mid(3);
    } else if (command.startsWith("Kc")) {
        for (const QByteArray& part : command.mid(2).split(';')) {
            const QByteArray name = part.left(2);
            const QByteArray value = part.mid(2);
            if (name == "LW")
                reports["DLABELWIDTH"] = dotsFromHundredths(value, reports);
            else if (name == "CO")
                reports["DCOLUMNOFFSET"] = dotsFromHundredths(value, reports);
            else if (name == "RO")
                reports["DROWOFFSET"] = dotsFromHundredths(value, reports);
            else if (name == "PS")
                reports["DPRESENTSENSOR"] = value == "Y" ? "E" : "N";
            else if (name == "CE")
                reports["DCUTTEREQUIPPED"] = value == "Y" ? "E" : "N";
            else if (name == "CC")
                reports["DCONTROLCODES"] = value;
        }
    }
}

} // namespace

QList<QByteArray> EmulationSettingCommands::keys() const
{
    return {kZControlPrefix, kZFormatPrefix.first(1), kDStandardLeadIn, kDAlternateLeadIn};
}

void EmulationSettingCommands::handle(const Command& command, PrinterState& state, QList<Reply>&)
{
    if (const QByteArray z = unwrapZ(command.text); !z.isEmpty())
        applyZ(z, state.reports);
    else if (const QByteArray d = unwrapD(command.text); !d.isEmpty())
        applyD(d, state.reports);
}

} // namespace norvane::sim
