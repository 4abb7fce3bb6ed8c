#include "ScriptedTransport.h"

#include <algorithm>
#include <cstring>

namespace norvane::test {

bool ScriptedTransport::writeChunk(QByteArrayView chunk, WaitPacing&)
{
    if (m_device->failChunk == m_device->chunks.size()) {
        m_device->chunks.append(QByteArray());
        return false;
    }
    m_device->chunks.append(chunk.toByteArray());
    m_device->written.append(chunk);
    if (m_device->respond)
        m_device->input.append(m_device->respond(chunk));
    return true;
}

FetchResult ScriptedTransport::fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout)
{
    ++m_device->fetches;
    if (m_device->ended)
        return {0, true};
    if (m_device->arrive)
        m_device->input.append(m_device->arrive());
    const auto count = std::min<std::size_t>(capacity, static_cast<std::size_t>(m_device->input.size()));
    std::memcpy(into, m_device->input.constData(), count);
    m_device->input.remove(0, static_cast<qsizetype>(count));
    if (count == 0) {
        ++m_device->emptyFetches;
        m_device->clock += timeout;
    }
    return {count, false};
}

std::unique_ptr<Transport> ScriptedOpener::open(InterfaceKind, const LinkSettings&, const LinkTimeouts&, WaitPacing&)
{
    ++m_device->opens;
    if (m_device->refuseOpen)
        return nullptr;
    return std::make_unique<ScriptedTransport>(m_device);
}

} // namespace norvane::test
