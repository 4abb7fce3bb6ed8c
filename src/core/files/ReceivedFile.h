#pragma once

#include <QByteArray>
#include <QString>

namespace norvane {

/// Writes a file fetched from the printer to `path`, replacing what was there only once every byte is on
/// disk: a failed save leaves no partial file and keeps the old one.
bool SaveReceivedFile(const QString& path, const QByteArray& bytes, QString& error);

} // namespace norvane
