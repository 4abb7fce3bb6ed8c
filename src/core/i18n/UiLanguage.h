#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace norvane {

/// The interface languages, in the order of the language list and of the table's columns.
enum class UiLanguage : int
{
    English,
    TraditionalChinese,
    SimplifiedChinese,
    Japanese,
    Spanish,
    Portuguese,
    German,
    French,
    Italian,
    Russian,
    Polish,
    Lithuanian,
    Czech,
    Ukrainian,
};

inline constexpr int kUiLanguageCount = 14;

/// The language at list position `index`; a position outside the list is English.
UiLanguage UiLanguageAt(int index);

/// The short name a user gives on the command line: "en", "zh_TW", "zh_CN", "ja", "es", ...
QString LanguageCode(UiLanguage language);
std::optional<UiLanguage> LanguageFromCode(QStringView code);
/// Every code, in list order.
QStringList LanguageCodes();

/// The language a program started under `locale` speaks: Chinese only for Taiwan (traditional) and mainland
/// China (simplified), the other listed languages by language alone, anything else English.
UiLanguage DefaultLanguage(const QLocale& locale);

} // namespace norvane
