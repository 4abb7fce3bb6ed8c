#pragma once

#include "config/PrinterConfig.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace norvane {

/// `wifiSecurity`: the built-in wireless module's encryption, numbered as the encryption list orders it.
enum class WifiSecurity : std::int32_t
{
    None = 0,
    Wep1 = 1,
    Wep2 = 2,
    Wep3 = 3,
    Wep4 = 4,
    WpaPersonal = 5,
    WpaEnterprise = 6,
};

/// The EAP types of WPA-Enterprise, numbered as the EAP type list orders them.
enum class EapType : std::int32_t
{
    None = 0,
    Tls = 1,
    Ttls = 2,
    Fast = 3,
    Peap = 4,
    Leap = 5,
};

/// `wifiEap` for an EAP type: the type in the high four bits, and 1 in the low four (the inner method).
std::int32_t EncodeEap(EapType type);

/// The number of the EAP type that `wifiEap` holds; it may be one without a type of its own.
std::int32_t EapTypeNumber(std::int32_t wifiEap);

/// The inner method `wifiEap` holds in its low four bits; none counts as 1.
std::int32_t EapInnerMethod(std::int32_t wifiEap);

/// Whether the encryption numbered `security` is one of the four WEP keys (its number is the key's).
bool IsWepSecurity(std::int32_t security);

/// What is wrong with a WLAN key for the encryption numbered `security`, in the words the user is shown:
/// "The length is invalid!!" or "The format is not valid!!". A WEP key has 5 or 13 characters of 7-bit text,
/// or 10 or 26 hexadecimal digits; a WPA-Personal key is a passphrase of 8 to 63 characters or 64 hexadecimal
/// digits. Nothing when the key fits, and for every other encryption.
std::optional<QString> WifiKeyProblem(std::int32_t security, const QString& key);

/// The same check of a configuration's key against its security setting, for a configuration about to be
/// written: nothing when the security is not set; a key that is not set counts as an empty one.
std::optional<QString> WifiKeyProblem(const PrinterConfig& config);

} // namespace norvane
