#pragma once

#include "i18n/UiLanguage.h"

#include <QString>

namespace norvane::ui {

/// The interface language of this run: set at start and by the language list; every window opened later
/// reads it.
UiLanguage CurrentLanguage();
void SetCurrentLanguage(UiLanguage language);

/// Row `row` of the language table in the current language.
QString Translated(int row);

/// A printer status text in the current language; a text the table does not hold stays as it is.
QString TranslatedStatus(const QString& status);

} // namespace norvane::ui
