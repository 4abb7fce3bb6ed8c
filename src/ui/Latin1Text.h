#pragma once

#include <QString>

namespace norvane::ui {

/// Whether every character of `text` is one of Latin-1, the printer's character set: any other would reach the
/// printer, or a saved file, as '?'.
bool IsLatin1(const QString& text);

/// The refusal of a field's text that holds another character, naming the field by its caption.
QString NotLatin1Message(const QString& caption);

} // namespace norvane::ui
