#include "link/DeviceFileTransport.h"

#include <QFile>
#include <fcntl.h>

namespace norvane {

std::unique_ptr<DeviceFileTransport> DeviceFileTransport::open(const QString& path, Access access)
{
    if (path.isEmpty())
        return nullptr;
    const int mode = access == Access::ReadWrite ? O_RDWR : O_WRONLY;
    UniqueFd fd(::open(QFile::encodeName(path).constData(), mode | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.isValid())
        return nullptr;
    return std::unique_ptr<DeviceFileTransport>(new DeviceFileTransport(std::move(fd)));
}

bool DeviceFileTransport::writeChunk(QByteArrayView chunk, WaitPacing& pacing)
{
    return writeFully(m_fd.get(), chunk, std::nullopt, pacing);
}

FetchResult DeviceFileTransport::fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout)
{
    return readWithTimeout(m_fd.get(), into, capacity, timeout);
}

} // namespace norvane
