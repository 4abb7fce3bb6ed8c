#include "protocol/ReplyFraction.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace norvane {

namespace {

bool isDigit(char byte)
{
    return byte >= '0' && byte <= '9';
}

bool isSpace(char byte)
{
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

} // namespace

float ReplyFraction(QByteArrayView text)
{
    const char* it = text.begin();
    const char* const end = text.end();
    while (it != end && isSpace(*it))
        ++it;
    const char* const start = it;
    if (it != end && (*it == '+' || *it == '-'))
        ++it;
    const char* const digitsStart = it;
    while (it != end && isDigit(*it))
        ++it;
    bool anyDigit = it != digitsStart;
    if (it != end && *it == '.') {
        const char* const fractionStart = ++it;
        while (it != end && isDigit(*it))
            ++it;
        anyDigit = anyDigit || it != fractionStart;
    }
    if (!anyDigit)
        return 0.0f;

    // from_chars takes no "+"; a reply of at most 1022 bytes never leaves the long double range.
    const char* const numberStart = *start == '+' ? start + 1 : start;
    long double value = 0;
    std::from_chars(numberStart, it, value, std::chars_format::fixed);
    constexpr long double kLimit = std::numeric_limits<float>::max();
    // Adding zero turns "-0" into 0, a value every text form of the record can carry.
    return static_cast<float>(std::clamp(value, -kLimit, kLimit)) + 0.0f;
}

} // namespace norvane
