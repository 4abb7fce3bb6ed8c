#pragma once

#include "link/PosixIo.h"
#include "link/Transport.h"

#include <QString>
#include <optional>

namespace norvane {

/// A USB printer node or a parallel port: a device file written and read as it is.
class DeviceFileTransport : public Transport
{
public:
    /// USB nodes are opened for reading and writing, parallel ports for writing only.
    enum class Access
    {
        ReadWrite,
        WriteOnly,
    };

    static std::unique_ptr<DeviceFileTransport> open(const QString& path, Access access);

    /// No time limit: a printer that holds its input back (paper out, buffer full) is waited for.
    bool writeChunk(QByteArrayView chunk, WaitPacing& pacing) override;
    FetchResult fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout) override;

private:
    explicit DeviceFileTransport(UniqueFd fd) : m_fd(std::move(fd)) {}

    UniqueFd m_fd;
};

} // namespace norvane
