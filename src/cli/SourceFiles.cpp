#include "SourceFiles.h"

#include "CliSession.h"
#include "config/BoundedFile.h"
#include "files/DownloadRequest.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace norvane::cli {

namespace {

constexpr qint64 kInputChunk = 64 * 1024;

QString tooLarge()
{
    return QStringLiteral("it is larger than %1 bytes").arg(kDownloadFileLimit);
}

/// Standard input up to its end, refused once it holds more than the limit.
std::optional<QByteArray> readInput(QIODevice* in, QString& error)
{
    QByteArray bytes;
    if (!in)
        return bytes;
    QByteArray chunk(kInputChunk, '\0');
    for (;;) {
        const qint64 got = in->read(chunk.data(), chunk.size());
        if (got < 0) {
            error = QStringLiteral("cannot read standard input: ") + in->errorString();
            return std::nullopt;
        }
        if (got == 0) {
            if (in->atEnd() || !in->waitForReadyRead(-1))
                return bytes;
            continue;
        }
        if (bytes.size() + got > kDownloadFileLimit) {
            error = QStringLiteral("cannot read standard input: ") + tooLarge();
            return std::nullopt;
        }
        bytes.append(chunk.constData(), got);
    }
}

} // namespace

std::optional<QByteArray> ReadSourceBytes(CliSession& session, const QString& path)
{
    QString error;
    auto bytes =
        path == QStringLiteral("-") ? readInput(session.in, error) : ReadWholeFile(path, kDownloadFileLimit, error);
    if (!bytes)
        session.err << "norvane-cli: " << error << Qt::endl;
    return bytes;
}

bool CheckSourceFile(const QString& path, QString& error)
{
    const auto refuse = [&](const QString& reason) {
        error = QStringLiteral("cannot read %1: %2").arg(path, reason);
        return false;
    };
    const QByteArray name = QFile::encodeName(path);
    struct stat info = {};
    if (::stat(name.constData(), &info) != 0)
        return refuse(QString::fromLocal8Bit(std::strerror(errno)));
    if (S_ISDIR(info.st_mode))
        return refuse(QStringLiteral("it is a directory"));
    if (!S_ISREG(info.st_mode))
        return refuse(QStringLiteral("it is not a regular file"));
    if (info.st_size > kDownloadFileLimit)
        return refuse(tooLarge());
    // Non-blocking, in case a FIFO took the file's place since it was looked at.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refuse(QString::fromLocal8Bit(std::strerror(errno)));
    ::close(fd);
    return true;
}

} // namespace norvane::cli
