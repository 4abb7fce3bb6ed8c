#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace norvane {

/// Stores `value` as four little-endian bytes at `offset`, which must lie inside `bytes`.
inline void PutLittleEndian32(QByteArray& bytes, qsizetype offset, std::uint32_t value)
{
    for (qsizetype i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

inline std::uint32_t GetLittleEndian32(QByteArrayView bytes, qsizetype offset)
{
    std::uint32_t value = 0;
    for (qsizetype i = 0; i < 4; ++i)
        value |= std::uint32_t{static_cast<std::uint8_t>(bytes[offset + i])} << (8 * i);
    return value;
}

} // namespace norvane
