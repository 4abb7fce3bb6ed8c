#pragma once

#include <QByteArray>
#include <QList>

namespace norvane::sim {

/// The texts between double quotes, in order: WLAN IP "a","b","c" gives a, b and c.
QList<QByteArray> QuotedValues(const QByteArray& text);

/// The comma-separated parts after the command word: SIZE 4.00,2.00 gives 4.00 and 2.00.
QList<QByteArray> CommaValues(const QByteArray& text);

/// A number printed as the printer answers fractions: two decimals.
QByteArray FractionText(double value);

/// The printer's dots per millimetre for its resolution: dpi / 25.4 to a tenth, as the host computes it.
double DotsPerMm(double dpi);

} // namespace norvane::sim
