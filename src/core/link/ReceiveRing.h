#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace norvane {

/// Received bytes of one link kind, waiting to be read one at a time.
class ReceiveRing
{
public:
    static constexpr std::size_t kCapacity = 65536;

    void clear();
    /// Appends what fits; a fetch only happens when the ring is empty, so nothing is ever cut in practice.
    std::size_t append(const std::uint8_t* bytes, std::size_t count);
    bool take(std::uint8_t& byte);
    std::size_t count() const { return m_count; }

private:
    std::array<std::uint8_t, kCapacity> m_bytes{};
    std::size_t m_writeIndex = 0;
    std::size_t m_readIndex = 0;
    std::size_t m_count = 0;
};

} // namespace norvane
