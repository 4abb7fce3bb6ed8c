#include "protocol/CertificateFiles.h"

#include <QFile>
#include <QFileInfo>

namespace norvane {

namespace {

/// Printer certificates are a few KB; anything far larger is the wrong file.
constexpr qint64 kMaxCertificateSize = 64 * 1024;

QByteArray nameOf(const QString& path)
{
    return path.isEmpty() ? QByteArray() : QFile::encodeName(QFileInfo(path).fileName());
}

bool load(const QString& path, LoadedCertificate& loaded, QString& error)
{
    loaded = {};
    if (path.isEmpty())
        return true;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile()) {
        error = QStringLiteral("%1: not a regular file").arg(path);
        return false;
    }
    if (info.size() > kMaxCertificateSize) {
        error =
            QStringLiteral("%1: larger than %2 bytes, too large for a certificate").arg(path).arg(kMaxCertificateSize);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    loaded.contents = file.read(kMaxCertificateSize + 1);
    if (file.error() != QFileDevice::NoError || loaded.contents.size() > kMaxCertificateSize) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    loaded.name = nameOf(path);
    return true;
}

} // namespace

bool LoadCertificates(const CertificatePaths& paths, LoadedCertificates& loaded, QString& error)
{
    return load(paths.ca, loaded[0], error) && load(paths.client, loaded[1], error) &&
           load(paths.privateKey, loaded[2], error);
}

LoadedCertificates CertificateNames(const CertificatePaths& paths)
{
    return {{{nameOf(paths.ca), {}}, {nameOf(paths.client), {}}, {nameOf(paths.privateKey), {}}}};
}

} // namespace norvane
