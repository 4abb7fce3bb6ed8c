#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <optional>

namespace norvane {

using Aes128Key = std::array<std::uint8_t, 16>;

inline constexpr qsizetype kAes128BlockSize = 16;

/// AES-128 (FIPS-197) in ECB mode without padding: every 16-byte block on its own. The length of `data`
/// must be a multiple of 16; nothing on any other length or a failure of the cipher library.
std::optional<QByteArray> Aes128EcbEncrypt(const Aes128Key& key, QByteArrayView data);
std::optional<QByteArray> Aes128EcbDecrypt(const Aes128Key& key, QByteArrayView data);

} // namespace norvane
