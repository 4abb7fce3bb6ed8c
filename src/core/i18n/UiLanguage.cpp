#include "UiLanguage.h"

#include <array>

namespace norvane {

namespace {

const std::array<const char*, kUiLanguageCount> kCodes = {
    "en", "zh_TW", "zh_CN", "ja", "es", "pt", "de", "fr", "it", "ru", "pl", "lt", "cs", "uk",
};

struct LocaleLanguage
{
    QLocale::Language locale;
    UiLanguage language;
};

const LocaleLanguage kByLocaleLanguage[] = {
    {QLocale::Japanese, UiLanguage::Japanese},     {QLocale::Spanish, UiLanguage::Spanish},
    {QLocale::Portuguese, UiLanguage::Portuguese}, {QLocale::German, UiLanguage::German},
    {QLocale::French, UiLanguage::French},         {QLocale::Italian, UiLanguage::Italian},
    {QLocale::Russian, UiLanguage::Russian},       {QLocale::Polish, UiLanguage::Polish},
    {QLocale::Lithuanian, UiLanguage::Lithuanian}, {QLocale::Czech, UiLanguage::Czech},
    {QLocale::Ukrainian, UiLanguage::Ukrainian},
};

} // namespace

UiLanguage UiLanguageAt(int index)
{
    return index >= 0 && index < kUiLanguageCount ? static_cast<UiLanguage>(index) : UiLanguage::English;
}

QString LanguageCode(UiLanguage language)
{
    return QString::fromLatin1(kCodes[static_cast<std::size_t>(language)]);
}

std::optional<UiLanguage> LanguageFromCode(QStringView code)
{
    for (int index = 0; index < kUiLanguageCount; ++index) {
        if (code == QLatin1StringView(kCodes[static_cast<std::size_t>(index)]))
            return static_cast<UiLanguage>(index);
    }
    return std::nullopt;
}

QStringList LanguageCodes()
{
    QStringList codes;
    for (const char* code : kCodes)
        codes << QString::fromLatin1(code);
    return codes;
}

UiLanguage DefaultLanguage(const QLocale& locale)
{
    if (locale.language() == QLocale::Chinese) {
        switch (locale.territory()) {
        case QLocale::Taiwan:
            return UiLanguage::TraditionalChinese;
        case QLocale::China:
            return UiLanguage::SimplifiedChinese;
        default:
            return UiLanguage::English;
        }
    }
    for (const LocaleLanguage& entry : kByLocaleLanguage) {
        if (entry.locale == locale.language())
            return entry.language;
    }
    return UiLanguage::English;
}

} // namespace norvane
