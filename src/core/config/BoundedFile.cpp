#include "config/BoundedFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvane {

namespace {

class OpenFile
{
public:
    explicit OpenFile(int fd) : m_fd(fd) {}
    ~OpenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int fd() const { return m_fd; }

private:
    int m_fd;
};

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

/// Why a file of this kind is not read, or nothing for a regular file.
std::optional<QString> notRegular(mode_t mode)
{
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return QStringLiteral("it is a directory");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a pipe (FIFO), not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device, not a regular file");
    return QStringLiteral("it is not a regular file");
}

QString tooLarge(qint64 limit)
{
    return QStringLiteral("it is larger than %1 bytes").arg(limit);
}

} // namespace

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit, QString& error)
{
    const auto refuse = [&](const QString& reason) {
        error = QStringLiteral("cannot read %1: %2").arg(path, reason);
        return std::nullopt;
    };
    const QByteArray name = QFile::encodeName(path);

    // Looked at before opening, as opening a device may already act on it; the open itself does not wait
    // (a FIFO put in the file's place meanwhile), and the open file is looked at again.
    struct stat info = {};
    if (::stat(name.constData(), &info) != 0)
        return refuse(systemError());
    if (const auto reason = notRegular(info.st_mode))
        return refuse(*reason);

    const OpenFile file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0)
        return refuse(systemError());
    if (::fstat(file.fd(), &info) != 0)
        return refuse(systemError());
    if (const auto reason = notRegular(info.st_mode))
        return refuse(*reason);
    if (info.st_size > limit)
        return refuse(tooLarge(limit));

    // Room for the size the file has, not for the limit: a large limit costs nothing for a small file. One
    // byte more tells a file that grew since it was looked at (or one whose size says nothing, as in /proc);
    // the room then grows, up to one byte more than the limit.
    const qsizetype room = static_cast<qsizetype>(limit) + 1;
    QByteArray contents(static_cast<qsizetype>(std::min<qint64>(info.st_size, limit)) + 1, '\0');
    qsizetype filled = 0;
    for (;;) {
        if (filled == contents.size()) {
            if (contents.size() == room)
                break;
            contents.resize(std::min(room, contents.size() * 2));
        }
        const ssize_t got = ::read(file.fd(), contents.data() + filled, static_cast<size_t>(contents.size() - filled));
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return refuse(systemError());
        filled += got;
    }
    if (filled > limit)
        return refuse(tooLarge(limit));
    contents.truncate(filled);
    return contents;
}

} // namespace norvane
