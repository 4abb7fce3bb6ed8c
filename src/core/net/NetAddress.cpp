#include "net/NetAddress.h"

namespace norvane {

namespace {

constexpr Ipv4Bytes kAllOnes{255, 255, 255, 255};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QByteArray FormatIpv4(const Ipv4Bytes& address)
{
    QByteArray text;
    for (std::size_t i = 0; i < address.size(); ++i) {
        if (i != 0)
            text += '.';
        text += QByteArray::number(address[i]);
    }
    return text;
}

Ipv4Bytes ParseIpv4(QByteArrayView text)
{
    Ipv4Bytes address{};
    qsizetype position = 0;
    for (std::size_t group = 0; group < address.size(); ++group) {
        if (group != 0) {
            if (position >= text.size() || text[position] != '.')
                return kAllOnes;
            ++position;
        }
        if (position >= text.size() || !isDigit(text[position]))
            return kAllOnes;
        int value = 0;
        while (position < text.size() && isDigit(text[position])) {
            value = value * 10 + (text[position] - '0');
            if (value >= 256)
                return kAllOnes;
            ++position;
        }
        address[group] = static_cast<std::uint8_t>(value);
    }
    if (position < text.size() && text[position] == '.')
        return kAllOnes;
    return address;
}

std::optional<MacBytes> ParseMacAddress(QByteArrayView text)
{
    constexpr qsizetype kLength = 17;
    if (text.size() != kLength)
        return std::nullopt;
    MacBytes mac{};
    for (std::size_t i = 0; i < mac.size(); ++i) {
        const qsizetype at = static_cast<qsizetype>(i) * 3;
        const int high = hexValue(text[at]);
        const int low = hexValue(text[at + 1]);
        if (high < 0 || low < 0 || (i + 1 < mac.size() && text[at + 2] != ':'))
            return std::nullopt;
        mac[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return mac;
}

QByteArray FormatMacAddress(const MacBytes& mac)
{
    QByteArray text;
    for (std::size_t i = 0; i < mac.size(); ++i) {
        if (i != 0)
            text += ':';
        text += QByteArray::number(mac[i], 16).rightJustified(2, '0').toUpper();
    }
    return text;
}

} // namespace norvane
