#include "protocol/CertificateFiles.h"

#include "config/BoundedFile.h"

#include <QFile>
#include <QFileInfo>

namespace norvane {

namespace {

QByteArray nameOf(const QString& path)
{
    return path.isEmpty() ? QByteArray() : QFile::encodeName(QFileInfo(path).fileName());
}

bool load(const QString& path, LoadedCertificate& loaded, QString& error)
{
    loaded = {};
    if (path.isEmpty())
        return true;
    const auto contents = ReadWholeFile(path, kCertificateFileLimit, error);
    if (!contents)
        return false;
    loaded = {nameOf(path), *contents};
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
