#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace norvane {

/// printf's "%.Nf", rounded the same way, with a point whatever the locale.
QByteArray FixedPoint(double value, int decimals);

/// printf's "%0Nd": the sign first, then zeros up to `width` characters in all.
QByteArray ZeroPadded(std::int32_t value, int width);

/// `text` between double quotes, as the printer's string parameters are written.
QByteArray Quoted(QByteArrayView text);

/// Whether `text` fits between the printer's quotes: they have no escape, so a double quote would end the
/// text early and a control character such as a line break would start a command of its own.
bool QuotableText(QByteArrayView text);

} // namespace norvane
