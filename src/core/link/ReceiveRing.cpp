#include "link/ReceiveRing.h"

#include <algorithm>

namespace norvane {

void ReceiveRing::clear()
{
    m_writeIndex = 0;
    m_readIndex = 0;
    m_count = 0;
}

std::size_t ReceiveRing::append(const std::uint8_t* bytes, std::size_t count)
{
    const std::size_t accepted = std::min(count, kCapacity - m_count);
    for (std::size_t i = 0; i < accepted; ++i) {
        m_bytes[m_writeIndex] = bytes[i];
        m_writeIndex = (m_writeIndex + 1) % kCapacity;
    }
    m_count += accepted;
    return accepted;
}

bool ReceiveRing::take(std::uint8_t& byte)
{
    if (m_count == 0)
        return false;
    byte = m_bytes[m_readIndex];
    m_readIndex = (m_readIndex + 1) % kCapacity;
    --m_count;
    return true;
}

} // namespace norvane
