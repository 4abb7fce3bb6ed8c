#include "files/ReceivedFile.h"

#include <QSaveFile>

namespace norvane {

bool SaveReceivedFile(const QString& path, const QByteArray& bytes, QString& error)
{
    QSaveFile file(path);
    // commit() misses a failure of its own final flush, so the data are flushed first.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return true;
    error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

} // namespace norvane
