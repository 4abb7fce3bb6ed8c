#include "link/SerialTransport.h"

#include "link/SerialLineSettings.h"

#include <QFile>
#include <fcntl.h>
#include <sys/ioctl.h>

namespace norvane {

namespace {
constexpr std::chrono::milliseconds kWritePerByte{10};
constexpr std::chrono::milliseconds kWriteConstant{3000};
} // namespace

std::unique_ptr<SerialTransport> SerialTransport::open(const QString& path, const SerialLinkSettings& settings)
{
    if (path.isEmpty())
        return nullptr;
    UniqueFd fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.isValid())
        return nullptr;
    termios line{};
    // A device without line settings is no serial port: close it again and report it as not opened.
    if (::tcgetattr(fd.get(), &line) != 0)
        return nullptr;
    // Only input is purged: output still queued belongs to the previous operation and must reach the printer.
    ::tcflush(fd.get(), TCIFLUSH);
    ApplySerialLineSettings(line, settings);
    ::tcsetattr(fd.get(), TCSANOW, &line); // what the device cannot take is left as it was
    const int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd.get(), TIOCMBIS, &lines); // a pseudo-terminal has no modem lines; the port still works
    ::tcflush(fd.get(), TCIFLUSH);
    return std::unique_ptr<SerialTransport>(new SerialTransport(std::move(fd)));
}

bool SerialTransport::writeChunk(QByteArrayView chunk, WaitPacing& pacing)
{
    return writeFully(m_fd.get(), chunk, kWriteConstant + kWritePerByte * chunk.size(), pacing);
}

FetchResult SerialTransport::fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout)
{
    return readWithTimeout(m_fd.get(), into, capacity, timeout);
}

void SerialTransport::purgeInput()
{
    ::tcflush(m_fd.get(), TCIFLUSH);
}

} // namespace norvane
