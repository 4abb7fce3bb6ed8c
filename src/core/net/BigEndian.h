#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace norvane {

/// Stores `value` as two big-endian bytes at `offset`, which must lie inside `bytes`.
inline void PutBigEndian16(QByteArray& bytes, qsizetype offset, std::uint16_t value)
{
    bytes[offset] = static_cast<char>(value >> 8);
    bytes[offset + 1] = static_cast<char>(value);
}

inline std::uint16_t GetBigEndian16(QByteArrayView bytes, qsizetype offset)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[offset]) << 8 |
                                      static_cast<std::uint8_t>(bytes[offset + 1]));
}

} // namespace norvane
