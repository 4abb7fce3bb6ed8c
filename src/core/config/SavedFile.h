#pragma once

#include <QByteArray>
#include <QString>

namespace norvane {

/// Writes `bytes` to `path`, replacing what was there only once every byte is on disk: a failed save leaves
/// no partial file and keeps the old one. On failure `error` reads "PATH: reason".
bool SaveWholeFile(const QString& path, const QByteArray& bytes, QString& error);

/// As `SaveWholeFile`, readable and writable by its owner only: configuration files hold passwords and keys.
bool SaveOwnerOnlyFile(const QString& path, const QByteArray& bytes, QString& error);

} // namespace norvane
