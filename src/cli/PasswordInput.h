#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <optional>

namespace norvane::cli {

/// The longest password line read from a file or standard input: the printer's own password buffer.
inline constexpr qsizetype kMaxPasswordLine = 1024;

/// The next line of `device` (text in the system's encoding) without its LF or CR LF; the last line
/// needs no line end. Nothing, with `error` saying why, when no line is left or it is longer than
/// kMaxPasswordLine.
std::optional<QString> ReadPasswordLine(QIODevice* device, QString& error);

} // namespace norvane::cli
