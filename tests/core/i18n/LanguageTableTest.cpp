#include "i18n/LanguageTable.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace norvane {
namespace {

QString Text(int row, UiLanguage language)
{
    return LanguageText(row, language);
}

TEST(LanguageTable, CompiledFileHoldsEveryRowInEveryLanguage)
{
    QString error;
    const std::optional<LanguageRows> rows = ParseLanguageTable(LanguageTableData(), error);
    ASSERT_TRUE(rows) << error.toStdString();
    ASSERT_EQ(rows->size(), std::size_t{kLanguageRowCount});
    for (std::size_t row = 0; row < rows->size(); ++row) {
        ASSERT_EQ((*rows)[row].size(), kUiLanguageCount) << "row " << row;
        for (const QString& text : (*rows)[row])
            EXPECT_FALSE(text.trimmed().isEmpty()) << "row " << row;
    }
}

TEST(LanguageTable, EnglishColumnAndLanguageNamesAreExact)
{
    EXPECT_EQ(Text(0, UiLanguage::English), "OK");
    EXPECT_EQ(Text(35, UiLanguage::English), "Calibrate Sensor");
    EXPECT_EQ(Text(53, UiLanguage::English), "Ribbon Encoder Err.");
    EXPECT_EQ(Text(134, UiLanguage::English), "Stop Bit(s)");
    EXPECT_EQ(Text(242, UiLanguage::English), "Put linner please");
    EXPECT_EQ(Text(246, UiLanguage::English), "Can't calibration");
    EXPECT_EQ(Text(262, UiLanguage::English),
              "The COM port will be set to 115200,N,8,1 and\r\nenter the external module setting mode.");
    EXPECT_EQ(Text(263, UiLanguage::English), "Do you want to setup the module?");

    // Each language's own name, as the list shows it while that language is current.
    const char* const ownNames[] = {"English",   "繁體中文", "简体中文", "日本語",    "Español",
                                    "Português", "Deutsch",  "Français", "Italiano",  "Русский",
                                    "Polski",    "Lietuvių", "Cestina",  "Українська"};
    for (int index = 0; index < kUiLanguageCount; ++index)
        EXPECT_EQ(Text(10 + index, UiLanguageAt(index)), QString::fromUtf8(ownNames[index])) << index;
}

TEST(LanguageTable, TellingRowsAreExactInEveryLanguage)
{
    struct Telling
    {
        const char* language;
        const char* getStatus;
        const char* printTestPage;
    };
    const Telling rows[] = {
        {"Language", "Get Status", "Print Test Page"},
        {"語言", "讀取狀態", "列印測試頁"},
        {"语言", "读取状态", "打印测试页"},
        {"言語", "状態を取得", "テストページを印刷"},
        {"Lenguaje", "Obtener Estado", "Etiquetta de Prueba"},
        {"Linguagem", "Obter Estado", "Página de Teste"},
        {"Sprache", "ermittle Status", "Testseite drucken"},
        {"Langue", "Récupérer l'état", "Imprimer page test"},
        {"Lingua", "Ottieni Stato", "Stampa Pag. Prova"},
        {"Язык", "Получить статус", "Печать тест. стр."},
        {"Język", "Pokaż Status", "Drukuj Stronę Test"},
        {"Kalba", "Gauti būklę", "Spausd test lapą"},
        {"Jazyk", "Zjisti status", "Testovaci tisk"},
        {"Мова", "Отримати статус", "Друкувати тест"},
    };
    for (int index = 0; index < kUiLanguageCount; ++index) {
        const UiLanguage language = UiLanguageAt(index);
        EXPECT_EQ(Text(9, language), QString::fromUtf8(rows[index].language)) << index;
        EXPECT_EQ(Text(57, language), QString::fromUtf8(rows[index].getStatus)) << index;
        EXPECT_EQ(Text(40, language), QString::fromUtf8(rows[index].printTestPage)) << index;
    }
}

TEST(LanguageTable, CzechIsWrittenWithoutDiacritics)
{
    for (int row = 0; row < kLanguageRowCount; ++row) {
        const QString text = Text(row, UiLanguage::Czech);
        for (QChar character : text)
            EXPECT_LT(character.unicode(), 0x80) << "row " << row << ": " << text.toStdString();
    }
}

TEST(LanguageTable, RowsWithTheSameEnglishTextStaySeparate)
{
    // The table is indexed by row, so a row lost or doubled shifts every text after it.
    EXPECT_EQ(Text(29, UiLanguage::English), Text(148, UiLanguage::English));
    EXPECT_NE(Text(29, UiLanguage::German), Text(148, UiLanguage::German));
    EXPECT_EQ(Text(75, UiLanguage::English), Text(97, UiLanguage::English));
    EXPECT_NE(Text(75, UiLanguage::TraditionalChinese), Text(97, UiLanguage::TraditionalChinese));
    EXPECT_EQ(Text(211, UiLanguage::Russian), "MAC");
    EXPECT_EQ(Text(212, UiLanguage::Russian), "IP-адрес");
}

TEST(LanguageTable, OutOfRangeRowIsEmpty)
{
    EXPECT_TRUE(Text(-1, UiLanguage::English).isEmpty());
    EXPECT_TRUE(Text(kLanguageRowCount, UiLanguage::German).isEmpty());
}

TEST(LanguageTableFile, RefusesWhatIsNotATable)
{
    QString error;
    const QByteArray header = "row\ten\n";
    const QByteArray good = "0" + QByteArray("\tx").repeated(kUiLanguageCount) + "\n";

    const std::optional<LanguageRows> one = ParseLanguageTable(header + good, error);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->size(), 1U);

    EXPECT_FALSE(ParseLanguageTable(header + "1" + QByteArray("\tx").repeated(kUiLanguageCount) + "\n", error))
        << "a row out of order";
    EXPECT_FALSE(ParseLanguageTable(header + "0" + QByteArray("\tx").repeated(kUiLanguageCount - 1) + "\n", error))
        << "a missing language";
    EXPECT_FALSE(ParseLanguageTable(header + "0\t" + QByteArray("\tx").repeated(kUiLanguageCount - 1) + "\n", error))
        << "an empty text";
    EXPECT_FALSE(
        ParseLanguageTable(header + "0\t\xC3" + QByteArray("\tx").repeated(kUiLanguageCount - 1) + "\n", error))
        << "a cut UTF-8 sequence";
}

TEST(LanguageTableFile, EscapesStandForLineBreaksAndBackslashes)
{
    QString error;
    const QByteArray line = "0\ta\\r\\nb\tc\\\\d\\tz" + QByteArray("\tx").repeated(kUiLanguageCount - 2) + "\n";
    const std::optional<LanguageRows> rows = ParseLanguageTable("header\n" + line, error);
    ASSERT_TRUE(rows) << error.toStdString();
    EXPECT_EQ((*rows)[0][0], "a\r\nb");
    EXPECT_EQ((*rows)[0][1], "c\\d\tz");
}

TEST(DefaultLanguage, FollowsTheLocale)
{
    const struct
    {
        const char* locale;
        UiLanguage language;
    } cases[] = {
        {"zh_TW", UiLanguage::TraditionalChinese},
        {"zh_CN", UiLanguage::SimplifiedChinese},
        {"zh_HK", UiLanguage::English},
        {"zh_SG", UiLanguage::English},
        {"ja_JP", UiLanguage::Japanese},
        {"pt_BR", UiLanguage::Portuguese},
        {"cs_CZ", UiLanguage::Czech},
        {"en_US", UiLanguage::English},
        {"sv_SE", UiLanguage::English},
        {"uk_UA", UiLanguage::Ukrainian},
        {"lt_LT", UiLanguage::Lithuanian},
        {"de_AT", UiLanguage::German},
    };
    for (const auto& entry : cases)
        EXPECT_EQ(DefaultLanguage(QLocale(QString::fromLatin1(entry.locale))), entry.language) << entry.locale;
}

TEST(LanguageCodes, RoundTripAndRefuseUnknownCodes)
{
    const QStringList codes = LanguageCodes();
    ASSERT_EQ(codes.size(), kUiLanguageCount);
    for (int index = 0; index < kUiLanguageCount; ++index)
        EXPECT_EQ(LanguageFromCode(codes[index]), UiLanguageAt(index)) << codes[index].toStdString();
    EXPECT_EQ(codes[1], "zh_TW");
    EXPECT_FALSE(LanguageFromCode(u"zh"));
    EXPECT_FALSE(LanguageFromCode(u"EN"));
    EXPECT_EQ(UiLanguageAt(14), UiLanguage::English);
    EXPECT_EQ(UiLanguageAt(-1), UiLanguage::English);
}

} // namespace
} // namespace norvane
