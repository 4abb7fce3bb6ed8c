#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace norvane::cli {

class CliSession;

/// The whole of the regular file at `path`, or of standard input for "-", at most kDownloadFileLimit
/// bytes; nothing after saying on stderr why not, naming the path.
std::optional<QByteArray> ReadSourceBytes(CliSession& session, const QString& path);

/// Whether the file at `path` can go to the printer: a regular file within kDownloadFileLimit that opens
/// for reading. Looked at without reading it, as the download reads it itself; `error` names the path.
bool CheckSourceFile(const QString& path, QString& error);

} // namespace norvane::cli
