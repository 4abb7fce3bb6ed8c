#include "MainWindowFixture.h"
#include "RefusingPort.h"
#include "TFormPassword.h"
#include "TFormRTCSetup.h"
#include "WidgetDriving.h"
#include "protocol/PrinterClock.h"
#include "protocol/ReplyFraming.h"

#include <QDateTime>
#include <QLineEdit>

using namespace norvane;
using namespace norvane::test;

namespace {

const char* const kEdits[] = {"EditYear", "EditMonth", "EditDate", "EditHour", "EditMinute", "EditSecond"};

QStringList shownClock(const QWidget& dialog)
{
    QStringList texts;
    for (const char* edit : kEdits)
        texts << Child<QLineEdit>(dialog, edit).text();
    return texts;
}

void typeClock(QWidget& dialog, const QStringList& texts)
{
    for (int index = 0; index < 6; ++index)
        Child<QLineEdit>(dialog, kEdits[index]).setText(texts[index]);
}

} // namespace

class ClockSetupTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        openWindow();
        useEthernet();
        sim.printer.withState([](sim::PrinterState& state) {
            state.clock.running = false;
            state.clock.fields = {26, 3, 9, 14, 5, 7};
        });
        clearPrinterLogs();
        openings.clear();
    }

    sim::ClockFields printerClock() { return sim.printer.snapshot().clock.fields; }
};

TEST_F(ClockSetupTest, theClockIsReadIntoTheDialogAtAThirdAndSetAsEdited)
{
    const QRect frame = window->frameGeometry();
    OnModal<ui::TFormRTCSetup>([&](ui::TFormRTCSetup& dialog) {
        EXPECT_EQ(dialog.pos(), QPoint(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3));
        EXPECT_EQ(dialog.windowTitle(), "RTC Setup");
        EXPECT_EQ(shownClock(dialog), QStringList({"26", "3", "9", "14", "5", "7"}));
        EXPECT_TRUE(window->isEnabled());
        typeClock(dialog, {"2027", "12", "31", "23", "59", "58"});
        Click(dialog, "ButtonSet");
        EXPECT_FALSE(dialog.isVisible());
    });
    Click(*window, "ButtonRTCSetTime");

    ASSERT_TRUE(printerReceived("@SECOND = \"58\"\r\n"));
    EXPECT_EQ(printerClock(), (sim::ClockFields{27, 12, 31, 23, 59, 58}));
    EXPECT_TRUE(deliveredBytes().endsWith(ClockSettingText({27, 12, 31, 23, 59, 58})));
    // The read, the password check and the write, each with the window disabled.
    ASSERT_EQ(openings.size(), 3u);
    for (const LinkOpening& opening : openings)
        EXPECT_FALSE(opening.mainWindowEnabled);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ClockSetupTest, cancelAfterGetSystemTimeSendsNothing)
{
    OnModal<ui::TFormRTCSetup>([&](ui::TFormRTCSetup& dialog) {
        const int before = QDate::currentDate().year();
        Click(dialog, "ButtonSetSysTime");
        const QStringList shown = shownClock(dialog);
        EXPECT_GE(shown[0].toInt(), before);
        EXPECT_LE(shown[0].toInt(), QDate::currentDate().year());
        EXPECT_NE(shown, QStringList({"26", "3", "9", "14", "5", "7"}));
        EXPECT_TRUE(dialog.isVisible());
        Click(dialog, "ButtonCancel");
    });
    Click(*window, "ButtonRTCSetTime");

    EXPECT_FALSE(deliveredBytes().contains('@'));
    EXPECT_EQ(openings.size(), 1u);
    EXPECT_EQ(printerClock(), (sim::ClockFields{26, 3, 9, 14, 5, 7}));
}

TEST_F(ClockSetupTest, aFieldThatIsNoNumberKeepsTheDialogOpenAndEscapeThenSendsNothing)
{
    OnModal<ui::TFormRTCSetup>([&](ui::TFormRTCSetup& dialog) {
        typeClock(dialog, {"2026", "4", "1", "1O", "0", "0"});
        Click(dialog, "ButtonSet");
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Click(*window, "ButtonRTCSetTime");
    EXPECT_EQ(prompts.messages, QStringList{"'1O' is not a valid integer value"});
    EXPECT_FALSE(deliveredBytes().contains('@'));

    prompts.clearMessages();
    OnModal<ui::TFormRTCSetup>([&](ui::TFormRTCSetup& dialog) {
        typeClock(dialog, {"2026", "4", "1", "x", "0", ""});
        Click(dialog, "ButtonSet");
        Child<QLineEdit>(dialog, "EditHour").setText("10");
        Click(dialog, "ButtonSet");
        Child<QLineEdit>(dialog, "EditSecond").setText("0");
        Click(dialog, "ButtonSet");
    });
    Click(*window, "ButtonRTCSetTime");
    EXPECT_TRUE(printerReceived(ClockSettingText({2026, 4, 1, 10, 0, 0})));
    EXPECT_EQ(prompts.messages, QStringList({"'x' is not a valid integer value", "'' is not a valid integer value"}));
}

TEST_F(ClockSetupTest, aPrinterWithAPasswordGetsItsClockOnlyAfterThePassword)
{
    sim.printer.withState([](sim::PrinterState& state) { state.reports["PASSWORD"] = "secret"; });
    for (const bool typed : {false, true}) {
        OnModal<ui::TFormRTCSetup>([&](ui::TFormRTCSetup& dialog) {
            OnModal<ui::TFormPassword>([&](ui::TFormPassword& password) {
                Child<QLineEdit>(password, "EditPassword").setText("secret");
                Click(password, typed ? "ButtonOK" : "ButtonCancel");
            });
            Child<QLineEdit>(dialog, "EditMinute").setText("45");
            Click(dialog, "ButtonSet");
        });
        Click(*window, "ButtonRTCSetTime");
        EXPECT_EQ(deliveredBytes().contains("@MINUTE = \"45\""), typed);
    }
    EXPECT_EQ(printerClock()[4], 45);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ClockSetupTest, aPrinterThatCannotBeReadOpensTheDialogWithZerosAndIsStillSet)
{
    // Over the parallel port nothing can be read; a refused network connection is not even opened.
    window->linkSettings().parallel.portName = sim.ptyPath;
    chooseInterface(InterfaceKind::Lpt);
    OnModal<ui::TFormRTCSetup>([&](ui::TFormRTCSetup& dialog) {
        EXPECT_EQ(shownClock(dialog), QStringList(6, "0"));
        Child<QLineEdit>(dialog, "EditYear").setText("2031");
        Click(dialog, "ButtonSet");
    });
    Click(*window, "ButtonRTCSetTime");
    EXPECT_TRUE(printerReceived(ClockSettingText({31, 0, 0, 0, 0, 0})));
    EXPECT_TRUE(sim.printer.received().startsWith(InterfaceAnnouncement(InterfaceKind::Lpt) + "@YEAR"));
    EXPECT_TRUE(prompts.messages.isEmpty());

    const RefusingPort refusing;
    window->linkSettings().ethernet.port = refusing.port();
    chooseInterface(InterfaceKind::Ethernet);
    OnModal<ui::TFormRTCSetup>([&](ui::TFormRTCSetup& dialog) {
        EXPECT_EQ(shownClock(dialog), QStringList(6, "0"));
        Click(dialog, "ButtonCancel");
    });
    Click(*window, "ButtonRTCSetTime");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(window->isEnabled());
}
