#include "MainWindowFixture.h"
#include "RadioGroup.h"
#include "RefusingPort.h"
#include "TActiveEmu.h"
#include "TFormPassword.h"
#include "TFormPasswordSetup.h"
#include "WidgetDriving.h"
#include "protocol/PrinterPassword.h"

#include <QLineEdit>

using namespace norvane;
using namespace norvane::test;

class PrinterFunctionTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        openWindow();
        useEthernet();
    }

    void setPrinter(const QByteArray& key, const QByteArray& answer)
    {
        sim.printer.withState([&](sim::PrinterState& state) { state.reports[key] = answer; });
    }

    QString printerStatusText() const { return Child<QLineEdit>(*window, "EditPrinterStatus").text(); }
};

TEST_F(PrinterFunctionTest, getStatusShowsTheStateThatOutranksTheOthersAndKeepsItOnFailure)
{
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0x20; });
    Click(*window, "ButtonGetStatus");
    EXPECT_EQ(printerStatusText(), "Printing");
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0x21; });
    Click(*window, "ButtonGetStatus");
    EXPECT_EQ(printerStatusText(), "Cover Open");
    EXPECT_TRUE(prompts.messages.isEmpty());

    sim.printer.withState([](sim::PrinterState& state) { state.fault = sim::SimFault::NeverAnswer; });
    Click(*window, "ButtonGetStatus");
    EXPECT_EQ(printerStatusText(), "Cover Open");
    EXPECT_EQ(prompts.messages, QStringList{"Data Receiving Error"});
    EXPECT_EQ(prompts.kinds, QList{ui::MessageKind::Error});
}

TEST_F(PrinterFunctionTest, aFailedOperationShowsExactlyOneMessage)
{
    const RefusingPort refusing;
    window->linkSettings().ethernet.port = refusing.port();
    Click(*window, "ButtonSelfTest");
    EXPECT_EQ(prompts.messages, QStringList{"Port Open Error"});
}

TEST_F(PrinterFunctionTest, eachButtonSendsItsCommandWithTheMainWindowDisabled)
{
    openings.clear();
    for (const char* button :
         {"ButtonInitial", "ButtonSelfTest", "ButtonRestPrinter", "ButtonIgnoreAuto", "ButtonLineModeOut"})
        Click(*window, button);
    // The factory default first reads the password; this printer has none, so nobody is asked.
    const QByteArray commands = QByteArray("INITIALPRINTER\r\nSELFTEST\r\n\x1b!R\x1b!C\x1bZ\r\n");
    ASSERT_TRUE(printerReceived(commands));
    EXPECT_TRUE(sim.printer.received().endsWith(commands));
    ASSERT_EQ(openings.size(), 6u);
    for (const LinkOpening& opening : openings)
        EXPECT_FALSE(opening.mainWindowEnabled);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PrinterFunctionTest, factoryDefaultAsksForThePasswordAtAThirdAndSendsNothingOnCancel)
{
    setPrinter("PASSWORD", "secret");
    const QRect frame = window->frameGeometry();
    OnModal<ui::TFormPassword>([&](ui::TFormPassword& dialog) {
        EXPECT_EQ(dialog.pos(), QPoint(frame.left() + frame.width() / 3, frame.top() + frame.height() / 3));
        Child<QLineEdit>(dialog, "EditPassword").setText("secret");
        Click(dialog, "ButtonCancel");
    });
    Click(*window, "ButtonInitial");

    EXPECT_FALSE(deliveredBytes().contains("INITIALPRINTER"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PrinterFunctionTest, aWrongPasswordKeepsTheDialogOpenUntilTheRightOne)
{
    setPrinter("PASSWORD", "secret");
    OnModal<ui::TFormPassword>([&](ui::TFormPassword& dialog) {
        auto& edit = Child<QLineEdit>(dialog, "EditPassword");
        for (const char* wrong : {"SECRET", ""}) {
            edit.setText(wrong);
            Click(dialog, "ButtonOK");
            EXPECT_TRUE(dialog.isVisible()) << wrong;
        }
        edit.setText("secret");
        Click(dialog, "ButtonOK");
    });
    Click(*window, "ButtonInitial");

    EXPECT_TRUE(printerReceived("INITIALPRINTER\r\n"));
    EXPECT_EQ(prompts.messages, QStringList({"Incorrect", "Incorrect"}));
}

TEST_F(PrinterFunctionTest, anUnreadablePasswordBlocksFactoryDefaultAfterOneMessage)
{
    sim.printer.withState([](sim::PrinterState& state) { state.fault = sim::SimFault::NeverAnswer; });
    Click(*window, "ButtonInitial");
    EXPECT_FALSE(deliveredBytes().contains("INITIALPRINTER"));
    EXPECT_EQ(prompts.messages, QStringList{"Data Receiving Error"});
}

TEST_F(PrinterFunctionTest, passwordSetupSendsNothingWhenTheOldPasswordIsTypedAgain)
{
    setPrinter("PASSWORD", "secret");
    OnModal<ui::TFormPasswordSetup>([&](ui::TFormPasswordSetup& dialog) {
        Child<QLineEdit>(dialog, "EditOldPassword").setText("secret");
        Child<QLineEdit>(dialog, "EditNewPassword").setText("secret");
        Click(dialog, "ButtonOK");
        EXPECT_FALSE(dialog.isVisible());
    });
    Click(*window, "ButtonPassword");

    EXPECT_FALSE(deliveredBytes().contains("DIAGNOSTIC PASSWORD"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PrinterFunctionTest, passwordSetupRefusesAWrongOldOrAnUnsendableNewPassword)
{
    setPrinter("PASSWORD", "secret");
    OnModal<ui::TFormPasswordSetup>([&](ui::TFormPasswordSetup& dialog) {
        auto& newPassword = Child<QLineEdit>(dialog, "EditNewPassword");
        newPassword.setText("fresh");
        Click(dialog, "ButtonOK");
        Child<QLineEdit>(dialog, "EditOldPassword").setText("secret");
        for (const QString& unsendable : {QStringLiteral("a\"b"), QStringLiteral("pa\u20acss")}) {
            newPassword.setText(unsendable);
            Click(dialog, "ButtonOK");
        }
        EXPECT_TRUE(dialog.isVisible());
        Click(dialog, "ButtonCancel");
    });
    Click(*window, "ButtonPassword");

    EXPECT_EQ(prompts.messages, QStringList({"Incorrect", NewPasswordProblem("a\"b"),
                                             "\"New Password\" may hold Latin-1 characters only."}));
    EXPECT_EQ(prompts.kinds, QList<ui::MessageKind>(3, ui::MessageKind::Error));
    EXPECT_FALSE(deliveredBytes().contains("DIAGNOSTIC PASSWORD"));
}

TEST_F(PrinterFunctionTest, aNewPasswordIsSentAndThenAskedForByTheGate)
{
    setPrinter("PASSWORD", "secret");
    OnModal<ui::TFormPasswordSetup>([&](ui::TFormPasswordSetup& dialog) {
        Child<QLineEdit>(dialog, "EditOldPassword").setText("secret");
        Child<QLineEdit>(dialog, "EditNewPassword").setText(QStringLiteral("Fr\u00e9sh 2"));
        Click(dialog, "ButtonOK");
    });
    Click(*window, "ButtonPassword");
    ASSERT_TRUE(printerReceived("DIAGNOSTIC PASSWORD \"Fr\xe9sh 2\"\r\n"));

    OnModal<ui::TFormPassword>([&](ui::TFormPassword& dialog) {
        Child<QLineEdit>(dialog, "EditPassword").setText(QStringLiteral("Fr\u00e9sh 2"));
        Click(dialog, "ButtonOK");
    });
    Click(*window, "ButtonInitial");
    EXPECT_TRUE(printerReceived("INITIALPRINTER\r\n"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PrinterFunctionTest, theEmulationDialogOpensOnWhatThePrinterAnswersWithTheWindowEnabled)
{
    setPrinter("ACT_EMULATION", "1");
    OnModal<ui::TActiveEmu>([&](ui::TActiveEmu& dialog) {
        EXPECT_EQ(Child<ui::RadioGroup>(dialog, "RadioGroupActiveEmulation").itemIndex(), 1);
        EXPECT_TRUE(window->isEnabled());
        Click(dialog, "Button1");
    });
    Click(*window, "ButtonActEmulation");
    EXPECT_TRUE(printerReceived(QByteArray("\x1bY")));
}

TEST_F(PrinterFunctionTest, theEmulationDialogSelectsNothingForANegativeAnswerAndStaysSilentOnFailure)
{
    setPrinter("ACT_EMULATION", "-1");
    OnModal<ui::TActiveEmu>([&](ui::TActiveEmu& dialog) {
        EXPECT_EQ(Child<ui::RadioGroup>(dialog, "RadioGroupActiveEmulation").itemIndex(), -1);
        dialog.reject();
    });
    Click(*window, "ButtonActEmulation");

    const RefusingPort refusing;
    window->linkSettings().ethernet.port = refusing.port();
    OnModal<ui::TActiveEmu>([&](ui::TActiveEmu& dialog) {
        EXPECT_EQ(Child<ui::RadioGroup>(dialog, "RadioGroupActiveEmulation").itemIndex(), 0);
        Click(dialog, "Button1");
    });
    Click(*window, "ButtonActEmulation");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(deliveredBytes().contains("\x1b"));
}
