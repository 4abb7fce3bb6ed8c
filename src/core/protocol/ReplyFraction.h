#pragma once

#include <QByteArrayView>

namespace norvane {

/// A reply read as a decimal fraction: leading white space, an optional sign, digits, an optional point
/// and fraction digits, up to the first other character. No digits give 0. The point is the separator
/// whatever the locale; values beyond the float range are held at its limit.
float ReplyFraction(QByteArrayView text);

} // namespace norvane
