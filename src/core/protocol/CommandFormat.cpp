#include "protocol/CommandFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace norvane {

UnsendableValue::UnsendableValue(QByteArrayView field)
    : std::runtime_error("a command cannot carry the value of " + field.toByteArray().toStdString()),
      m_field(field.toByteArray())
{
}

QByteArray FixedPoint(double value, int decimals, QByteArrayView field)
{
    if (!std::isfinite(value))
        throw UnsendableValue(field);
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

bool QuotableText(QByteArrayView text)
{
    return std::none_of(text.begin(), text.end(), [](char byte) {
        return byte == '"' || static_cast<unsigned char>(byte) < 0x20 || byte == 0x7f;
    });
}

QByteArray Quoted(QByteArrayView text, QByteArrayView field)
{
    if (!QuotableText(text))
        throw UnsendableValue(field);
    return '"' + text.toByteArray() + '"';
}

QByteArray BareCharacter(char character, QByteArrayView field)
{
    if (character == '\r' || character == '\n')
        throw UnsendableValue(field);
    return QByteArray(1, character);
}

} // namespace norvane
