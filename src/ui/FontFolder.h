#pragma once

#include <QString>

namespace norvane::ui {

/// Where the open dialog of a TrueType download starts: the first system-wide fonts folder that holds
/// something (on Linux the fontconfig folders /usr/local/share/fonts, /usr/share/fonts), else the user's
/// own, else an empty text (the working directory).
QString SystemFontFolder();

} // namespace norvane::ui
