#include "protocol/ConfigurationPageLines.h"

#include "protocol/CommandFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace norvane {

namespace {

constexpr char kDataLinkEscape = '\x10';
constexpr char kRecordSeparator = '\x1e';

/// "Z" commands travel inside a label format: a control command after DLE, a format command after
/// RS "XA" RS; both end with RS "JUS" RS "XZ".
QByteArray zSuffix()
{
    return kRecordSeparator + QByteArray("JUS") + kRecordSeparator + "XZ\r\n";
}

QByteArray zControl(const QByteArray& command)
{
    return kDataLinkEscape + command + kRecordSeparator + "XA" + zSuffix();
}

QByteArray zFormat(const QByteArray& command)
{
    return kRecordSeparator + QByteArray("XA") + kRecordSeparator + command + zSuffix();
}

/// A "D" command in its three control-code sets: STX … CR, "~" … CR and "~" … "|".
QByteArray inAllControlCodeSets(const QByteArray& command)
{
    return '\x02' + command + "\r\r\n~" + command + "\r\r\n~" + command + "|\r\n";
}

/// Dots as hundredths of an inch, rounded half up, held within 32 bits.
std::int32_t hundredthsOfInch(std::int32_t dots, float dpi)
{
    const double hundredths = std::trunc(dots * 100.0 / dpi + 0.5);
    if (std::isnan(hundredths))
        return 0;
    return static_cast<std::int32_t>(std::clamp<double>(hundredths, std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max()));
}

/// The letter for a value from 1 up, or nothing outside the letters.
std::optional<char> letterFor(std::int32_t value, QByteArrayView letters)
{
    if (value < 1 || value > letters.size())
        return std::nullopt;
    return letters[value - 1];
}

} // namespace

/// "A" is 1.0 ips in half steps up to 11.5, "W" is 12; "X" to "Z" 13 to 15; "a" to "e" 16 to 20.
char DSpeedLetter(double speed)
{
    if (speed >= 0.75 && speed < 12.5)
        return static_cast<char>('A' + static_cast<int>((speed - 0.75) * 2));
    if (speed >= 12.5 && speed < 15.5)
        return static_cast<char>('X' + static_cast<int>(speed - 12.5));
    if (speed >= 15.5 && speed < 20.5)
        return static_cast<char>('a' + static_cast<int>(speed - 15.5));
    return 'G';
}

QList<QByteArray> ZEmulationPageLines(const PrinterConfig& c)
{
    const auto number = [](std::int32_t value) {
        return QByteArray::number(value);
    };
    QList<QByteArray> lines;
    if (c.zDarkness.isSet())
        lines << zControl("SD" + ZeroPadded(c.zDarkness.value, 2));
    if (c.zPrintSpeed.isSet())
        lines << zFormat("PR" + number(c.zPrintSpeed.value));
    if (c.zTearOff.isSet())
        lines << zControl("TA" + ZeroPadded(c.zTearOff.value, 3));
    if (const auto mode = c.zPrintMode.isSet() ? letterFor(c.zPrintMode.value, "TPC") : std::nullopt)
        lines << zFormat(QByteArray("MM") + *mode);
    if (c.zPrintWidth.isSet())
        lines << zFormat("PW" + number(c.zPrintWidth.value));
    if (c.zControlPrefix.isSet())
        lines << zControl("CT" + BareCharacter(c.zControlPrefix.value, "zControlPrefix"));
    if (c.zFormatPrefix.isSet())
        lines << zControl("CC" + BareCharacter(c.zFormatPrefix.value, "zFormatPrefix"));
    if (c.zDelimiter.isSet())
        lines << zControl("CD" + BareCharacter(c.zDelimiter.value, "zDelimiter"));
    if (const auto action = c.zPowerUpAction.isSet() ? letterFor(c.zPowerUpAction.value, "FCLN") : std::nullopt)
        lines << zFormat(QByteArray("MF") + *action);
    // The power-up parameter is left empty, so the action goes into MF's second parameter.
    if (const auto action = c.zHeadCloseAction.isSet() ? letterFor(c.zHeadCloseAction.value, "FCLN") : std::nullopt)
        lines << zFormat("MF" + BareCharacter(c.zDelimiter.value, "zDelimiter") + *action);
    if (c.zLabelTop.isSet())
        lines << zFormat("LT" + number(c.zLabelTop.value));
    if (c.zLeftPosition.isSet())
        lines << zFormat("LS" + number(c.zLeftPosition.value));
    return lines;
}

QList<QByteArray> DEmulationPageLines(const PrinterConfig& c)
{
    QList<QByteArray> lines;
    if (c.dHeat.isSet())
        lines << inAllControlCodeSets("KZH" + ZeroPadded(c.dHeat.value, 2));
    if (c.dPrintSpeed.isSet())
        lines << inAllControlCodeSets(QByteArray("KZP") + DSpeedLetter(c.dPrintSpeed.value));

    const auto hundredths = [&](const char* name, const PrinterConfig::Int& item) {
        return name + ZeroPadded(hundredthsOfInch(item.value, c.dpi), 4) + ';';
    };
    const auto yesNo = [](std::int32_t value) {
        return value == 2 ? 'Y' : 'N';
    };
    QByteArray parameters;
    if (c.dLabelWidth.isSet())
        parameters += hundredths("LW", c.dLabelWidth);
    if (c.dPresentSensor.isSet() && (c.dPresentSensor.value == 1 || c.dPresentSensor.value == 2))
        parameters += QByteArray("PS") + yesNo(c.dPresentSensor.value) + ';';
    if (c.dCutterEquipped.isSet() && (c.dCutterEquipped.value == 1 || c.dCutterEquipped.value == 2))
        parameters += QByteArray("CE") + yesNo(c.dCutterEquipped.value) + ';';
    if (const auto codes = c.dControlCodes.isSet() ? letterFor(c.dControlCodes.value, "S12") : std::nullopt)
        parameters += QByteArray("CC") + *codes + ';';
    if (c.dColumnOffset.isSet())
        parameters += hundredths("CO", c.dColumnOffset);
    if (c.dRowOffset.isSet())
        parameters += hundredths("RO", c.dRowOffset);
    if (!parameters.isEmpty())
        lines << inAllControlCodeSets("Kc" + parameters);
    return lines;
}

} // namespace norvane
