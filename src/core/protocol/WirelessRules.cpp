#include "protocol/WirelessRules.h"

#include <algorithm>

namespace norvane {

namespace {

constexpr int kEapTypeShift = 4;
constexpr std::int32_t kEapInnerMethod = 1;
constexpr qsizetype kWpaMinKeyLength = 8;
constexpr qsizetype kWpaHexKeyLength = 64;

QString lengthInvalid()
{
    return QStringLiteral("The length is invalid!!");
}

QString formatInvalid()
{
    return QStringLiteral("The format is not valid!!");
}

bool allHexDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

bool allSevenBit(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
}

std::optional<QString> wepKeyProblem(const QString& key)
{
    switch (key.size()) {
    case 5:
    case 13:
        return allSevenBit(key) ? std::nullopt : std::optional(formatInvalid());
    case 10:
    case 26:
        return allHexDigits(key) ? std::nullopt : std::optional(formatInvalid());
    default:
        return lengthInvalid();
    }
}

/// Said in the words of the WEP check, so a refused key never goes unnoticed.
std::optional<QString> wpaKeyProblem(const QString& key)
{
    if (key.size() == kWpaHexKeyLength)
        return allHexDigits(key) ? std::nullopt : std::optional(formatInvalid());
    if (key.size() < kWpaMinKeyLength || key.size() > kWpaHexKeyLength)
        return lengthInvalid();
    return std::nullopt;
}

} // namespace

std::int32_t EncodeEap(EapType type)
{
    return (static_cast<std::int32_t>(type) << kEapTypeShift) | kEapInnerMethod;
}

std::int32_t EapTypeNumber(std::int32_t wifiEap)
{
    return wifiEap >> kEapTypeShift;
}

std::int32_t EapInnerMethod(std::int32_t wifiEap)
{
    const std::int32_t method = wifiEap & ((1 << kEapTypeShift) - 1);
    return method != 0 ? method : kEapInnerMethod;
}

bool IsWepSecurity(std::int32_t security)
{
    return security >= static_cast<std::int32_t>(WifiSecurity::Wep1) &&
           security <= static_cast<std::int32_t>(WifiSecurity::Wep4);
}

std::optional<QString> WifiKeyProblem(std::int32_t security, const QString& key)
{
    if (IsWepSecurity(security))
        return wepKeyProblem(key);
    if (security == static_cast<std::int32_t>(WifiSecurity::WpaPersonal))
        return wpaKeyProblem(key);
    return std::nullopt;
}

std::optional<QString> WifiKeyProblem(const PrinterConfig& config)
{
    if (!config.wifiSecurity.isSet())
        return std::nullopt;
    const QString key = config.wifiKey.isSet() ? QString::fromLatin1(config.wifiKey.text()) : QString();
    return WifiKeyProblem(config.wifiSecurity.value, key);
}

} // namespace norvane
