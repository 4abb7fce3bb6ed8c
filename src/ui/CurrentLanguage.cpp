#include "CurrentLanguage.h"

#include "i18n/LanguageTable.h"

namespace norvane::ui {

namespace {

UiLanguage g_currentLanguage = UiLanguage::English;

constexpr int kFirstStatusRow = 48;
constexpr int kLastStatusRow = 56;

} // namespace

UiLanguage CurrentLanguage()
{
    return g_currentLanguage;
}

void SetCurrentLanguage(UiLanguage language)
{
    g_currentLanguage = language;
}

QString Translated(int row)
{
    return LanguageText(row, g_currentLanguage);
}

QString TranslatedStatus(const QString& status)
{
    for (int row = kFirstStatusRow; row <= kLastStatusRow; ++row) {
        if (LanguageText(row, UiLanguage::English) == status)
            return Translated(row);
    }
    return status;
}

} // namespace norvane::ui
