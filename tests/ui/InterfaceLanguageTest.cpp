#include "CaptionFit.h"
#include "CurrentLanguage.h"
#include "MainWindowFixture.h"
#include "PasswordRecord.h"
#include "RadioGroup.h"
#include "TFormDumpTextSetup.h"
#include "TFormLPTSetup.h"
#include "TFormPassword.h"
#include "TFormPasswordSetup.h"
#include "TFormEthernetSetup.h"
#include "TFormNetSetup.h"
#include "TFormPreviewFont.h"
#include "TFormRTCSetup.h"
#include "TFormRs232Setup.h"
#include "TFormSensorCalibrate.h"
#include "WidgetDriving.h"
#include "config/SensorCalibration.h"
#include "i18n/LanguageTable.h"
#include "protocol/DumpOperations.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <functional>
#include <memory>

using namespace norvane;
using namespace norvane::test;

namespace {

QString Text(int row, UiLanguage language)
{
    return LanguageText(row, language);
}

QStringList ListItems(const QComboBox& list)
{
    QStringList items;
    for (int item = 0; item < list.count(); ++item)
        items << list.itemText(item);
    return items;
}

class InterfaceLanguageTest : public MainWindowFixture
{
protected:
    void SetUp() override { ui::SetCurrentLanguage(UiLanguage::English); }

    /// Picks `language` in the window's language list, as the user does.
    void choose(ui::TFormMain& main, UiLanguage language)
    {
        Child<QComboBox>(main, "ComboBoxLanguage").setCurrentIndex(static_cast<int>(language));
    }

    /// Every dialog that takes the language when it opens, made as the main window makes it.
    std::vector<std::pair<QString, std::function<std::unique_ptr<QWidget>()>>> dialogs()
    {
        return {
            {"TFormRs232Setup",
             [this] {
                 return std::make_unique<ui::TFormRs232Setup>(links.serial);
             }},
            {"TFormLPTSetup",
             [this] {
                 return std::make_unique<ui::TFormLPTSetup>(links.parallel);
             }},
            {"TFormSensorCalibrate",
             [this] {
                 return std::make_unique<ui::TFormSensorCalibrate>(sensor, *sim.dispatcher, InterfaceKind::Ethernet,
                                                                   prompts);
             }},
            {"TFormDumpTextSetup",
             [this] {
                 return std::make_unique<ui::TFormDumpTextSetup>(dump, prompts);
             }},
            {"TFormRTCSetup",
             [this] {
                 return std::make_unique<ui::TFormRTCSetup>(clock, prompts);
             }},
            {"TFormPassword",
             [this] {
                 return std::make_unique<ui::TFormPassword>(password, prompts);
             }},
            {"TFormPasswordSetup",
             [this] {
                 return std::make_unique<ui::TFormPasswordSetup>(password, prompts);
             }},
            {"TFormPreviewFont",
             [] {
                 return std::make_unique<ui::TFormPreviewFont>();
             }},
            {"TFormNetSetup",
             [this] {
                 return std::make_unique<ui::TFormNetSetup>(ethernetLink, discovery, prompts);
             }},
            {"TFormEthernetSetup",
             [this] {
                 return std::make_unique<ui::TFormEthernetSetup>(ethernet, QPoint());
             }},
        };
    }

    LinkSettings links;
    SensorCalibration sensor;
    DumpRequest dump{1, "LOG.TXT", false};
    ClockSetting clock{2026, 12, 8, 14, 5, 30};
    ui::PasswordRecord password{"secret"};
    EthernetLinkSettings ethernetLink;
    EthernetSettings ethernet;
    // Short silences: the opening search only has to end, not to find anything.
    DiscoveryClient discovery{sim.loopbackTargets(), {std::chrono::milliseconds(10), std::chrono::milliseconds(10)}};
};

TEST_F(InterfaceLanguageTest, startsWithTheTableTextsWhereTheyDifferFromTheDesign)
{
    ui::TFormMain& main = openWindow();
    EXPECT_EQ(Child<QPushButton>(main, "ButtonRead").text(), "Get");
    EXPECT_EQ(Child<QLabel>(main, "LabelSpeed").text(), "Speed");
    EXPECT_EQ(Child<QPushButton>(main, "ButtonSensorCalibrate").text(), "Calibrate Sensor");
    EXPECT_EQ(Child<QLabel>(main, "LabelSerial").text(), "Serial No:");
    const QStringList sensors = ListItems(Child<QComboBox>(main, "ComboBoxMediaSensor"));
    EXPECT_EQ(sensors, (QStringList{"", "GAP", "Black Mark", "Continuous"}));
    const auto& languages = Child<QComboBox>(main, "ComboBoxLanguage");
    EXPECT_EQ(languages.count(), kUiLanguageCount);
    EXPECT_EQ(languages.itemText(1), "Traditional Chinese");
    EXPECT_EQ(languages.currentIndex(), 0);
    // Texts without a row keep the design's English.
    EXPECT_EQ(main.windowTitle(), "Norvane Configuration Utility  2.03A");
    EXPECT_EQ(Child<QLabel>(main, "LabelBytes").text(), "Bytes");
}

TEST_F(InterfaceLanguageTest, switchingToRussianRelabelsTheWindowAndKeepsEverySelection)
{
    ui::TFormMain& main = openWindow();
    auto& printOut = Child<QComboBox>(main, "ComboBoxPrintOut");
    auto& sensorList = Child<QComboBox>(main, "ComboBoxMediaSensor");
    auto& unit = Child<ui::RadioGroup>(main, "RadioGroupUnit");
    printOut.setCurrentIndex(2);
    sensorList.setCurrentIndex(0);
    unit.setItemIndex(1);
    Child<QLineEdit>(main, "EditPrinterStatus").setText("Ready");

    choose(main, UiLanguage::Russian);

    EXPECT_EQ(ui::CurrentLanguage(), UiLanguage::Russian);
    const auto& languages = Child<QComboBox>(main, "ComboBoxLanguage");
    EXPECT_EQ(languages.currentIndex(), static_cast<int>(UiLanguage::Russian));
    EXPECT_EQ(languages.itemText(9), "Русский");
    EXPECT_EQ(languages.itemText(0), "Английский");
    EXPECT_EQ(languages.itemText(13), "Украинский");
    EXPECT_EQ(Child<QGroupBox>(main, "GroupBoxLanguage").title(), "Язык");
    EXPECT_EQ(Child<QPushButton>(main, "ButtonGetStatus").text(), "Получить статус");
    EXPECT_EQ(Child<QPushButton>(main, "ButtonTestPatern").text(), "Печать тест. стр.");

    EXPECT_EQ(printOut.currentIndex(), 2);
    EXPECT_EQ(ListItems(printOut), (QStringList{"", "Выкл.", "Отрыв", "Отделение", "Резак"}));
    EXPECT_EQ(sensorList.currentIndex(), 0);
    EXPECT_EQ(sensorList.itemText(0), "");
    EXPECT_EQ(unit.itemIndex(), 1);

    EXPECT_TRUE(Child<QLineEdit>(main, "EditPrinterStatus").text().isEmpty());
    for (const char* name : {"LabelUnit1", "LabelUnit5", "LabelUnit9"})
        EXPECT_EQ(Child<QLabel>(main, name).text(), "мм") << name;
    unit.setItemIndex(0);
    EXPECT_EQ(Child<QLabel>(main, "LabelUnit6").text(), "дюйм");

    const auto& pages = Child<QTabWidget>(main, "PageControl1");
    EXPECT_EQ(pages.tabText(1), "Диспетчер файлов");
    const auto& configuration = Child<QTabWidget>(main, "PageControl2");
    EXPECT_EQ(configuration.tabText(configuration.indexOf(&Child(main, "TabSheet9"))), "Беспроводная");
    EXPECT_EQ(configuration.tabText(0), "Common") << "the other configuration pages keep their captions";

    // Two rows with the same English text stay two texts.
    EXPECT_EQ(Child<QPushButton>(main, "ButtonInterFace").text(), Text(29, UiLanguage::Russian));
    EXPECT_EQ(Child<QPushButton>(main, "btnSetToModule").text(), Text(148, UiLanguage::Russian));

    choose(main, UiLanguage::English);
    EXPECT_EQ(languages.itemText(9), "Russian");
    EXPECT_EQ(Child<QLabel>(main, "LabelUnit6").text(), "inch");
}

TEST_F(InterfaceLanguageTest, theStatusIsReadInTheCurrentLanguageAndEmptiedBySwitching)
{
    ui::TFormMain& main = openWindow();
    useEthernet();
    choose(main, UiLanguage::German);
    Click(main, "ButtonGetStatus");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(Child<QLineEdit>(main, "EditPrinterStatus").text(), "Bereit");
    choose(main, UiLanguage::French);
    EXPECT_EQ(Child<QLineEdit>(main, "EditPrinterStatus").text(), "");
}

TEST_F(InterfaceLanguageTest, dialogsOpenedAfterASwitchSpeakTheNewLanguage)
{
    ui::TFormMain& main = openWindow();
    choose(main, UiLanguage::Polish);

    ui::TFormPasswordSetup passwordSetup(password, prompts);
    EXPECT_EQ(passwordSetup.windowTitle(), "Ustaw hasło");
    EXPECT_EQ(Child<QPushButton>(passwordSetup, "ButtonCancel").text(), "Anuluj");
    EXPECT_EQ(Child<QLabel>(passwordSetup, "LabelNewPassword").text(), "Nowe hasło");

    ui::TFormDumpTextSetup dumpSetup(dump, prompts);
    auto& modes = Child<ui::RadioGroup>(dumpSetup, "RadioGroupDumpMode");
    EXPECT_EQ(modes.itemText(2), "Zapisz do pliku");
    EXPECT_EQ(modes.itemIndex(), 1) << "the mode chosen before stays chosen";

    // The guided measurement speaks the language too.
    ui::TFormSensorCalibrate sensorDialog(sensor, *sim.dispatcher, InterfaceKind::Ethernet, prompts);
    sensorDialog.show();
    EXPECT_EQ(Child<QPushButton>(sensorDialog, "ButtonManualCalibration").text(), "Kalibruj");
    Child<ui::RadioGroup>(sensorDialog, "RadioGroupMediaType").setItemIndex(MediaAutoSelection);
    Click(sensorDialog, "ButtonManualCalibration");
    EXPECT_EQ(prompts.messages, QStringList{"Kalibracja niemożliwa"});

    choose(main, UiLanguage::Czech);
    ui::TFormRTCSetup rtc(clock, prompts);
    EXPECT_EQ(rtc.windowTitle(), "Nastaveni hodin");
    EXPECT_EQ(Child<QPushButton>(rtc, "ButtonSetSysTime").text(), "Systemovy cas");
    EXPECT_EQ(passwordSetup.windowTitle(), "Ustaw hasło") << "an open dialog keeps the language it opened in";
    ui::TFormPreviewFont preview;
    EXPECT_EQ(preview.windowTitle(), Text(180, UiLanguage::Czech));
    EXPECT_EQ(Child<QPushButton>(preview, "ButtonExit").text(), Text(3, UiLanguage::Czech));
}

TEST_F(InterfaceLanguageTest, noCaptionIsCutInAnyLanguage)
{
    ui::TFormMain& main = openWindow();
    for (int index = 0; index < kUiLanguageCount; ++index) {
        const UiLanguage language = UiLanguageAt(index);
        SCOPED_TRACE(LanguageCode(language).toStdString());
        choose(main, language);
        EXPECT_EQ(ClippedCaptions(main), QStringList()) << "TFormMain";
        for (const auto& [name, make] : dialogs()) {
            std::unique_ptr<QWidget> dialog = make();
            dialog->show();
            EXPECT_EQ(ClippedCaptions(*dialog), QStringList()) << name.toStdString();
        }
        // The guided measurement's texts take the place of the others in the running dialog.
        ui::TFormSensorCalibrate sensorDialog(sensor, *sim.dispatcher, InterfaceKind::Ethernet, prompts);
        sensorDialog.show();
        auto& message = Child<QLabel>(sensorDialog, "LabelMessage");
        message.show();
        Child<QPushButton>(sensorDialog, "ButtonManualCalibration").setText(Text(1, language));
        for (int row = 242; row <= 246; ++row) {
            message.setText(Text(row, language));
            EXPECT_EQ(ClippedCaptions(sensorDialog), QStringList()) << "row " << row;
        }
    }
}

TEST_F(InterfaceLanguageTest, theMainWindowAndTwoDialogsRenderInOtherLanguages)
{
    ui::TFormMain& main = openWindow();
    QDir().mkpath(QStringLiteral(NORVANE_SCREENSHOT_DIR));
    const auto save = [](QWidget& window, const QString& name) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // The new captions' layout is done by the event loop, which a picture taken at once does not wait for.
        QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QString path = QStringLiteral(NORVANE_SCREENSHOT_DIR "/%1.png").arg(name);
        EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
    };
    for (const UiLanguage language :
         {UiLanguage::Russian, UiLanguage::German, UiLanguage::Japanese, UiLanguage::TraditionalChinese}) {
        choose(main, language);
        save(main, QStringLiteral("TFormMain-%1").arg(LanguageCode(language)));
    }
    choose(main, UiLanguage::Polish);
    ui::TFormSensorCalibrate sensorDialog(sensor, *sim.dispatcher, InterfaceKind::Ethernet, prompts);
    save(sensorDialog, QStringLiteral("TFormSensorCalibrate-pl"));
    ui::TFormRs232Setup rs232(links.serial);
    save(rs232, QStringLiteral("TFormRs232Setup-pl"));
}

} // namespace
