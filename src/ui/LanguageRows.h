#pragma once

#include "i18n/UiLanguage.h"

#include <span>

class QWidget;

namespace norvane::ui {

/// One text of a window from the language table: the caption of the control named `objectName` (its text, its
/// group title, its tab caption, or the window title when it names the window itself), or with `item` set, that
/// item of a list or of a radio group.
struct LanguageRow
{
    const char* objectName;
    int row;
    int item = -1;
};

/// Puts each row's text in `language` on its control. A list keeps its selected item; a control the window does
/// not have is passed over, so one list can serve a window whose parts are optional.
void ApplyLanguageRows(QWidget& window, std::span<const LanguageRow> rows, UiLanguage language);

} // namespace norvane::ui
