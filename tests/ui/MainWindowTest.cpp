#include "ClockFormat.h"
#include "MainWindowFixture.h"
#include "PrinterProfile.h"
#include "WidgetDriving.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <gmock/gmock.h>

using namespace norvane;
using namespace norvane::test;

namespace {

PrinterConfig clearedConfig()
{
    PrinterConfig config;
    ClearConfig(config);
    return config;
}

} // namespace

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, startsWithNoPrinterOnTheDefaultsWithoutAMessage)
{
    ui::TFormMain& main = openWindow();

    EXPECT_TRUE(prompts.messages.isEmpty());
    ASSERT_EQ(openings.size(), 1u) << "only the link test, which finds no USB printer";
    EXPECT_EQ(openings[0].kind, InterfaceKind::Usb);
    EXPECT_TRUE(main.printerConfig() == clearedConfig());
    EXPECT_EQ(statusPanel(0), "LPT1");
    EXPECT_EQ(statusPanel(1), "COM1 9600,N,8,1 RTS ");
    EXPECT_EQ(statusPanel(2), "");
    EXPECT_EQ(Child<QComboBox>(main, "ComboBoxInterFace").currentText(), "USB");
    EXPECT_FALSE(Child<QPushButton>(main, "ButtonInterFace").isEnabled());
    EXPECT_TRUE(Child<QPushButton>(main, "ButtonGetStatus").isEnabled());
    EXPECT_EQ(Child<QComboBox>(main, "ComboBoxLanguage").currentText(), "English");
    EXPECT_EQ(Child<QComboBox>(main, "ComboBoxLanguage").count(), 14);
}

TEST_F(MainWindowTest, isAFixedWindowWithTheCaptionPagesAndButtonsInOrder)
{
    ui::TFormMain& main = openWindow();

    EXPECT_EQ(main.windowTitle(), "Norvane Configuration Utility  2.03A");
    EXPECT_EQ(main.minimumSize(), main.maximumSize());
    EXPECT_FALSE(main.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main.windowFlags() & Qt::WindowMinimizeButtonHint);

    const auto& pages = Child<QTabWidget>(main, "PageControl1");
    ASSERT_EQ(pages.count(), 4);
    EXPECT_EQ(pages.currentIndex(), 0);
    const char* const pageCaptions[] = {"Printer Configuration", "File Manager", "Bitmap Font Manager", "Command Tool"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pages.tabText(i), pageCaptions[i]);
        EXPECT_EQ(pages.widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }
    EXPECT_EQ(Child<QGroupBox>(main, "GroupBoxPrintreConfig").title(), "Printer Configuration");

    // In order; the Ethernet button stays hidden and the calibration caption keeps its trailing blank.
    QStringList names;
    QStringList captions;
    for (const QPushButton* button : Child(main, "GroupBoxPrinterFunction").findChildren<QPushButton*>()) {
        names << button->objectName();
        captions << button->text();
        EXPECT_EQ(button->isVisible(), button->objectName() != "ButtonEthernet");
    }
    EXPECT_EQ(names, QStringList({"ButtonInitial", "ButtonDump", "ButtonSelfTest", "ButtonRTCSetTime",
                                  "ButtonSensorCalibrate", "ButtonRestPrinter", "ButtonTestPatern", "ButtonIgnoreAuto",
                                  "ButtonEthernet", "ButtonPassword", "ButtonLineModeOut", "ButtonActEmulation"}));
    EXPECT_EQ(captions, QStringList({"Factory Default", "Dump Text", "Configuration Page", "RTC Setup",
                                     "Calibrate Sensor", "Reset Printer", "Print Test Page", "Ignore AUTO.BAS",
                                     "Ethernet Setup", "Password Setup", "Exit Line Mode", "Active Emulation"}));
    EXPECT_LT(Child(main, "ButtonInitial").y(), Child(main, "ButtonActEmulation").y());
}

TEST_F(MainWindowTest, aSmallScreenGetsALowerWindowWhoseScrollBarMovesTheContent)
{
    const QRect smallScreen(0, 0, 1280, 720);
    ui::TFormMain& small = openWindow(false, smallScreen);
    const QSize smallSize = small.size();
    auto& scrollBar = Child<QScrollBar>(small, "ScrollBar1");
    EXPECT_TRUE(scrollBar.isVisible());
    EXPECT_TRUE(scrollBar.isEnabled());
    EXPECT_EQ(small.pos(), QPoint((1280 - smallSize.width()) / 2, (720 - smallSize.height()) / 2));

    scrollBar.setValue(100);
    EXPECT_EQ(Child(small, "GroupBoxLanguage").y(), -100);
    EXPECT_EQ(Child(small, "RadioGroupUnit").y(), -100);
    EXPECT_EQ(Child(small, "GroupBoxInterFace").y(), -100);
    EXPECT_EQ(Child(small, "PageControl1").y(), 48 - 100);
    scrollBar.setValue(30);
    EXPECT_EQ(Child(small, "GroupBoxLanguage").y(), -30);
    EXPECT_EQ(Child(small, "PageControl1").y(), 18);

    ui::TFormMain& large = openWindow(false, QRect(100, 0, 1920, 1080));
    EXPECT_FALSE(Child<QScrollBar>(large, "ScrollBar1").isVisible());
    EXPECT_FALSE(Child<QScrollBar>(large, "ScrollBar1").isEnabled());
    EXPECT_EQ(large.height(), smallSize.height() + 100);
    EXPECT_EQ(large.width(), smallSize.width() - 20);
    EXPECT_EQ(large.pos(), QPoint(100 + (1920 - large.width()) / 2, (1080 - large.height()) / 2));
}

TEST_F(MainWindowTest, theClockShowsTheLocalDateAndTimeWithSecondsEverySecond)
{
    ui::TFormMain& main = openWindow();
    EXPECT_EQ(Child<QTimer>(main, "Timer1").interval(), 1000);
    ASSERT_TRUE(WaitUntil([&] { return !statusPanel(3).isEmpty(); }, 2000));
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    EXPECT_THAT(statusPanel(3).toStdString(),
                ::testing::AnyOf(locale.toString(now, ui::ClockFormat(locale)).toStdString(),
                                 locale.toString(now.addSecs(-1), ui::ClockFormat(locale)).toStdString()));
}

TEST(ClockFormatTest, addsSecondsToTheShortDateAndTimeOfEachLocale)
{
    const QDateTime moment(QDate(2024, 3, 5), QTime(14, 7, 9));
    const std::pair<const char*, const char*> cases[] = {
        {"en_US", "3/5/24 2:07:09 PM"},   {"de_DE", "05.03.24 14:07:09"}, {"fi_FI", "5.3.2024 14.07.09"},
        {"ja_JP", "2024/03/05 14:07:09"}, {"C", "5 Mar 2024 14:07:09"},
    };
    for (const auto& [name, expected] : cases) {
        const QLocale locale(QString::fromLatin1(name));
        // Newer locale data puts a narrow blank before "PM".
        const QString shown = locale.toString(moment, ui::ClockFormat(locale)).replace(QChar(0x202f), u' ');
        EXPECT_EQ(shown, QString::fromLatin1(expected)) << name;
    }
}

TEST_F(MainWindowTest, everyPrinterFunctionButtonIsEnabled)
{
    ui::TFormMain& main = openWindow();
    for (const char* name : {"ButtonInitial", "ButtonDump", "ButtonSelfTest", "ButtonRTCSetTime", "ButtonRestPrinter",
                             "ButtonTestPatern", "ButtonIgnoreAuto", "ButtonEthernet", "ButtonPassword",
                             "ButtonLineModeOut", "ButtonActEmulation", "ButtonSensorCalibrate"})
        EXPECT_TRUE(Child<QPushButton>(main, name).isEnabled()) << name;
}

TEST_F(MainWindowTest, startUpReadsAUsbPrinterSilentlyWithTheWindowEnabled)
{
    ui::TFormMain& main = openWindow(true);

    EXPECT_TRUE(prompts.messages.isEmpty());
    ASSERT_GE(openings.size(), 2u);
    for (const LinkOpening& opening : openings) {
        EXPECT_EQ(opening.kind, InterfaceKind::Usb);
        EXPECT_TRUE(opening.mainWindowEnabled);
    }
    // The link test sends nothing; exit line mode comes first.
    ASSERT_TRUE(printerReceived(QByteArray("\x1bZ\r\n")));
    EXPECT_TRUE(sim.printer.received().startsWith(QByteArray("\x1bZ\r\n")));
    EXPECT_EQ(sim.printer.snapshot().control.lineModeExits, 1);
    EXPECT_EQ(main.printerConfig().edition, sim::kDefaultEdition);
}

TEST_F(MainWindowTest, aUsbPrinterThatNeverAnswersLeavesTheDefaultsSilently)
{
    sim.printer.withState([](sim::PrinterState& state) { state.fault = sim::SimFault::NeverAnswer; });
    ui::TFormMain& main = openWindow(true);

    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(main.printerConfig() == clearedConfig());
    EXPECT_TRUE(main.isEnabled());
}
