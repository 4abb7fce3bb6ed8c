#include "protocol/CommandFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>

namespace norvane {

QByteArray FixedPoint(double value, int decimals)
{
    // Room for the 309 integer digits of the largest double.
    std::array<char, 400> text{};
    const auto printed =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    return QByteArray(text.data(), printed.ptr - text.data());
}

QByteArray ZeroPadded(std::int32_t value, int width)
{
    const QByteArray digits = QByteArray::number(std::abs(std::int64_t{value}));
    const qsizetype signWidth = value < 0 ? 1 : 0;
    const QByteArray zeros(std::max<qsizetype>(width - signWidth - digits.size(), 0), '0');
    return (value < 0 ? QByteArray("-") : QByteArray()) + zeros + digits;
}

QByteArray Quoted(QByteArrayView text)
{
    return '"' + text.toByteArray() + '"';
}

bool QuotableText(QByteArrayView text)
{
    return std::none_of(text.begin(), text.end(), [](char byte) {
        return byte == '"' || static_cast<unsigned char>(byte) < 0x20 || byte == 0x7f;
    });
}

} // namespace norvane
