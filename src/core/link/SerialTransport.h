#pragma once

#include "link/PosixIo.h"
#include "link/Transport.h"

#include <QString>

namespace norvane {

struct SerialLinkSettings;

/// A serial port set up from the serial link settings.
class SerialTransport : public Transport
{
public:
    /// Null when the device does not open or is no serial device. Line settings the device refuses
    /// (a pseudo-terminal takes no parity, a handshake line may be missing) do not stop the open.
    static std::unique_ptr<SerialTransport> open(const QString& path, const SerialLinkSettings& settings);

    /// Bounded like the port's write time-outs: 10 ms per byte plus 3000 ms.
    bool writeChunk(QByteArrayView chunk, WaitPacing& pacing) override;
    FetchResult fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout) override;
    void purgeInput() override;

private:
    explicit SerialTransport(UniqueFd fd) : m_fd(std::move(fd)) {}

    UniqueFd m_fd;
};

} // namespace norvane
