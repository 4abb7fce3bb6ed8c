#pragma once

#include "config/PrinterConfig.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <optional>

namespace norvane {

/// The page's unit; the value is the item index of the unit choice and the unit field of a .dcf file.
enum class LengthUnit : std::int32_t
{
    Inch = 0,
    Mm = 1,
};

/// Dots per unit: `dpi` for inch, `dotsPerMm` for mm.
double DotsPerUnit(const PrinterConfig& config, LengthUnit unit);

/// The least `dpi` and `dotsPerMm` a length may be divided by. A resolution is a whole number of dots per
/// inch and a multiple of 0.1 dots per mm, so anything smaller rounds to none; at 0 or a tiny denormal the
/// quotient would be infinite and reach a command as "inf".
inline constexpr double kMinimumDpi = 0.5;
inline constexpr double kMinimumDotsPerMm = 0.05;

/// The standard conversion message for a text that is not a number.
QString InvalidFloatMessage(const QString& text);

/// The standard conversion message for a text that is not a whole number.
QString InvalidIntegerMessage(const QString& text);

/// A decimal number in the locale's notation (the window passes the system locale; the cli and JSON use
/// QLocale::c()). Group separators are refused; nothing for a text that is no finite number.
std::optional<double> ParseDecimal(const QString& text, const QLocale& locale);

/// The text shown for a length of `dots`: dots / factor with two decimals, rounded, no group separators.
QString DotsToLengthText(double dots, double dotsPerUnit, const QLocale& locale);

/// A length typed in the unit, as dots with their fraction (the five float lengths). Fails with the
/// standard conversion message when the text is no number or the length has no float value.
std::optional<float> LengthTextToDots(const QString& text, double dotsPerUnit, const QLocale& locale, QString& error);

/// The same, truncated toward zero, for the four lengths kept in whole dots.
std::optional<std::int32_t> LengthTextToWholeDots(const QString& text, double dotsPerUnit, const QLocale& locale,
                                                  QString& error);

} // namespace norvane
