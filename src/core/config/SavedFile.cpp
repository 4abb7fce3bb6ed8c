#include "config/SavedFile.h"

#include <QSaveFile>

namespace norvane {

namespace {

bool save(const QString& path, const QByteArray& bytes, bool ownerOnly, QString& error)
{
    QSaveFile file(path);
    const auto keepToOwner = [&] {
        return !ownerOnly || file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    };
    // QSaveFile::commit misses a failure of its own final flush, so the data are flushed first.
    if (file.open(QIODevice::WriteOnly) && keepToOwner() && file.write(bytes) == bytes.size() && file.flush() &&
        file.commit())
        return true;
    error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

} // namespace

bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString& error)
{
    return save(path, bytes, false, error);
}

bool SaveOwnerOnlyFile(const QString& path, const QByteArray& bytes, QString& error)
{
    return save(path, bytes, true, error);
}

} // namespace norvane
