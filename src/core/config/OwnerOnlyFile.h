#pragma once

#include <QByteArray>
#include <QString>

namespace norvane {

/// Writes `bytes` to `path`, replacing the file only once everything is written (a failed save keeps
/// the old file), readable and writable by its owner only: configurations hold passwords and keys.
bool SaveOwnerOnlyFile(const QString& path, const QByteArray& bytes, QString& error);

} // namespace norvane
