#pragma once

#include <QCommandLineParser>
#include <QString>

namespace norvane::cli {

class CliSession;

/// The options "files download" takes besides the password file.
inline constexpr QLatin1StringView kTypeOption("type");
inline constexpr QLatin1StringView kNameOption("name");
inline constexpr QLatin1StringView kMemoryOption("memory");

/// "files download FILE": the type from --type or the file's extension; firmware and TCF files are read
/// whole and sent as they are, then the LED sentence is printed; any other type goes into --memory (FLASH
/// by default) under --name (the file's first 8 name characters and the type's extension by default).
/// Every check is made before the password gate, so a refused download sends nothing. Returns the exit
/// status.
int DownloadFileCommand(CliSession& session, const QCommandLineParser& arguments, const QString& path);

} // namespace norvane::cli
