#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace norvane::cli {

/// A text the user gave (an argument, the environment, a line of a file) as the printer's Latin-1 bytes;
/// nothing when it holds a character Latin-1 lacks, rather than sending a replacement.
std::optional<QByteArray> PrinterBytes(const QString& text);

/// A printer's Latin-1 text made safe for a terminal line: the C0 controls, DEL, the C1 controls
/// 0x80-0x9f and the backslash itself become "\xNN", so an escape sequence or a CR LF from the printer
/// can neither drive the terminal nor fake a line, and every escape reads back one way.
QString TerminalText(QByteArrayView printerText);

/// JSON text (UTF-8) with DEL and the C1 controls written as \u00NN escapes as well; the JSON writer
/// escapes only the characters below 0x20. Those characters occur only inside strings, so the text
/// stays valid and means the same.
QByteArray JsonWithEscapedControls(const QByteArray& json);

} // namespace norvane::cli
