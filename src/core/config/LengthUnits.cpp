#include "config/LengthUnits.h"

#include <cmath>
#include <limits>

namespace norvane {

namespace {

std::optional<double> lengthProduct(const QString& text, double dotsPerUnit, const QLocale& locale)
{
    const auto value = ParseDecimal(text, locale);
    if (!value)
        return std::nullopt;
    // Adding zero turns "-0" into 0, a value every text form of the record can carry.
    const double dots = *value * dotsPerUnit + 0.0;
    return std::isfinite(dots) ? std::optional(dots) : std::nullopt;
}

} // namespace

double DotsPerUnit(const PrinterConfig& config, LengthUnit unit)
{
    return unit == LengthUnit::Inch ? config.dpi : config.dotsPerMm;
}

QString InvalidFloatMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

QString InvalidIntegerMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(text);
}

std::optional<double> ParseDecimal(const QString& text, const QLocale& locale)
{
    QLocale strict = locale;
    strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString DotsToLengthText(double dots, double dotsPerUnit, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(dots / dotsPerUnit, 'f', 2);
}

std::optional<float> LengthTextToDots(const QString& text, double dotsPerUnit, const QLocale& locale, QString& error)
{
    const auto dots = lengthProduct(text, dotsPerUnit, locale);
    if (!dots || std::abs(*dots) > std::numeric_limits<float>::max()) {
        error = InvalidFloatMessage(text);
        return std::nullopt;
    }
    return static_cast<float>(*dots);
}

std::optional<std::int32_t> LengthTextToWholeDots(const QString& text, double dotsPerUnit, const QLocale& locale,
                                                  QString& error)
{
    const auto dots = lengthProduct(text, dotsPerUnit, locale);
    // Out of the 32-bit range the text cannot be stored, so it is refused like any other bad entry.
    if (!dots || std::trunc(*dots) < std::numeric_limits<std::int32_t>::min() ||
        std::trunc(*dots) > std::numeric_limits<std::int32_t>::max()) {
        error = InvalidFloatMessage(text);
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*dots);
}

} // namespace norvane
