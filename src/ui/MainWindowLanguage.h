#pragma once

#include "LanguageRows.h"

#include <span>

namespace norvane::ui {

/// The main window's translated controls: the top row, the printer functions and status, the page captions,
/// the configuration page with its tabs, the File Manager and the Command Tool.
std::span<const LanguageRow> MainWindowLanguageRows();

} // namespace norvane::ui
