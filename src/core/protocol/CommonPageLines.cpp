#include "protocol/ConfigurationPageLines.h"

#include "config/NameLists.h"
#include "protocol/CommandFormat.h"

namespace norvane {

namespace {

QByteArray onOff(std::int32_t value)
{
    return value != 0 ? "ON" : "OFF";
}

QByteArray postPrintAction(const PrinterConfig& c)
{
    switch (c.printOut.value) {
    case 0:
        return "SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n";
    case 1:
        return "SET TEAR ON\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n";
    case 2:
        return "SET TEAR OFF\r\nSET PEEL ON\r\nSET CUTTER OFF\r\n";
    case 3: {
        const std::int32_t pieces = c.cutterPiece.isSet() && c.cutterPiece.value != 0 ? c.cutterPiece.value : 1;
        return "SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER " + QByteArray::number(pieces) + "\r\n";
    }
    default:
        return {};
    }
}

} // namespace

QList<QByteArray> CommonPageLines(const PrinterConfig& c)
{
    const bool inch = c.unitIsInch != 0;
    const double dotsPerUnit = inch ? c.dpi : c.dotsPerMm;
    // "SIZE 4.00,2.00" in inch, "SIZE 101.50 mm,50.75 mm" in millimetres.
    const auto lengths = [&](QByteArrayView command, const PrinterConfig::Float& first, const char* firstField,
                             const PrinterConfig::Float& second, const char* secondField) {
        const QByteArray unit = inch ? "" : " mm";
        const QByteArray firstText = FixedPoint(first.value / dotsPerUnit, 2, firstField);
        return command.toByteArray() + ' ' + firstText + unit + ',' +
               FixedPoint(second.value / dotsPerUnit, 2, secondField) + unit + "\r\n";
    };
    const auto number = [](std::int32_t value) {
        return QByteArray::number(value);
    };

    QList<QByteArray> lines;
    if (c.speed.isSet())
        lines << "SPEED " + FixedPoint(c.speed.value, 1, "speed") + "\r\n";
    if (c.density.isSet())
        lines << "DENSITY " + number(c.density.value) + "\r\n";
    if (c.paperWidth.isSet() && c.paperHeight.isSet())
        lines << lengths("SIZE", c.paperWidth, "paperWidth", c.paperHeight, "paperHeight");
    if (c.sensorMode.isSet()) {
        const bool gapKnown = c.gapSize.isSet() && c.gapOffset.isSet();
        if (c.sensorMode.value == 0 && gapKnown)
            lines << lengths("GAP", c.gapSize, "gapSize", c.gapOffset, "gapOffset");
        else if (c.sensorMode.value == 1 && gapKnown)
            lines << lengths("BLINE", c.gapSize, "gapSize", c.gapOffset, "gapOffset");
        else if (c.sensorMode.value == 2)
            lines << "GAP 0,0\r\n";
    }
    if (const QByteArray action = c.printOut.isSet() ? postPrintAction(c) : QByteArray(); !action.isEmpty())
        lines << action;
    if (c.referenceX.isSet() && c.referenceY.isSet())
        lines << "REFERENCE " + number(c.referenceX.value) + ',' + number(c.referenceY.value) + "\r\n";
    if (c.direction.isSet()) {
        const QByteArray mirror = c.mirror.isSet() ? ',' + number(c.mirror.value) : QByteArray();
        lines << "DIRECTION " + number(c.direction.value) + mirror + "\r\n";
    }
    if (c.offset.isSet())
        lines << "OFFSET " + number(c.offset.value) + " dot\r\n";
    if (c.shiftX.isSet() || c.shiftY.isSet()) {
        const QByteArray y = number(c.shiftY.isSet() ? c.shiftY.value : 0);
        lines << (c.shiftX.isSet() ? "SHIFT " + number(c.shiftX.value) + ',' + y : "SHIFT " + y) + "\r\n";
    }
    if (c.ribbon.isSet())
        lines << "SET RIBBON " + onOff(c.ribbon.value) + "\r\n";
    if (c.ribbonSensor.isSet())
        lines << "SET RIBBONEND " + onOff(c.ribbonSensor.value) + "\r\n";
    if (c.ribbonEncoder.isSet())
        lines << "SET ENCODER " + onOff(c.ribbonEncoder.value) + "\r\n";
    // An index outside its list (a reply that matched no name) has no name to send.
    const auto named = [&](QByteArrayView command, const PrinterConfig::Int& item,
                           std::span<const QByteArrayView> names) {
        if (const auto name = item.isSet() ? NameAt(names, item.value) : std::nullopt)
            lines << command.toByteArray() + ' ' + name->toByteArray() + "\r\n";
    };
    named("CODEPAGE", c.codePage, kCodePageNames);
    named("COUNTRY", c.countryCode, kCountryCodes);
    named("LANGUAGE", c.displayLanguage, kDisplayLanguageNames);
    if (c.headSensor.isSet())
        lines << "SET HEAD " + onOff(c.headSensor.value) + "\r\n";
    if (c.reprint.isSet())
        lines << "SET REPRINT " + onOff(c.reprint.value) + "\r\n";
    if (c.maxLength.isSet())
        lines << "LIMITFEED " + FixedPoint(c.maxLength.value, 2, "maxLength") + " dot\r\n";
    // The intensity of the current sensor mode goes out whatever the flags say.
    const PrinterConfig::Int* intensities[] = {&c.gapIntensity, &c.blineIntensity, &c.continuousIntensity};
    if (c.sensorMode.value >= 0 && c.sensorMode.value <= 2)
        lines << "SET GAP " + number(intensities[c.sensorMode.value]->value) + "\r\n";
    if (c.autoThreshold.isSet())
        lines << QByteArray(c.autoThreshold.value != 0 ? "SET SENSOR_REF AUTO\r\n" : "SET SENSOR_REF MANUAL\r\n");
    return lines;
}

} // namespace norvane
