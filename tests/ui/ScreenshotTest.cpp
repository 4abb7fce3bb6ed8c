#include "ConfigurationPageFixture.h"
#include "PasswordRecord.h"
#include "RadioGroup.h"
#include "TActiveEmu.h"
#include "TFormLPTSetup.h"
#include "TFormPassword.h"
#include "TFormPasswordSetup.h"
#include "TFormProcess.h"
#include "TFormRs232Setup.h"
#include "WidgetDriving.h"

#include <QDir>
#include <QLineEdit>
#include <QTabWidget>

using namespace norvane;
using namespace norvane::test;

namespace {

void saveScreenshot(QWidget& window, const char* name)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QDir().mkpath(QStringLiteral(NORVANE_SCREENSHOT_DIR));
    const QString path = QStringLiteral(NORVANE_SCREENSHOT_DIR "/%1.png").arg(QLatin1StringView(name));
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
}

} // namespace

using ScreenshotTest = MainWindowFixture;

TEST_F(ScreenshotTest, savesTheMainWindowAndEveryDialog)
{
    ui::TFormMain& main = openWindow();
    useEthernet();
    Click(main, "ButtonGetStatus");
    WaitUntil([&] { return !statusPanel(3).isEmpty(); }, 2000);
    saveScreenshot(main, "TFormMain");

    ui::TFormMain& small = openWindow(false, QRect(0, 0, 1024, 700));
    saveScreenshot(small, "TFormMain-small-screen");

    LinkSettings links;
    links.serial.portName = QStringLiteral("COM3");
    ui::TFormRs232Setup rs232(links.serial);
    saveScreenshot(rs232, "TFormRs232Setup");
    ui::TFormLPTSetup lpt(links.parallel);
    saveScreenshot(lpt, "TFormLPTSetup");

    ui::TFormProcess process(QRect(0, 0, 1024, 768));
    Progress progress;
    progress.setView(&process);
    progress.ShowProgress(ProgressMode::StepPerWrite, 40, 3);
    saveScreenshot(process, "TFormProcess");
    progress.HideProgress();

    ui::PasswordRecord record{"secret"};
    ui::TFormPassword password(record, prompts);
    Child<QLineEdit>(password, "EditPassword").setText(QStringLiteral("secret"));
    saveScreenshot(password, "TFormPassword");
    ui::TFormPasswordSetup passwordSetup(record, prompts);
    saveScreenshot(passwordSetup, "TFormPasswordSetup");

    ui::TActiveEmu emulation(*sim.dispatcher, InterfaceKind::Ethernet);
    saveScreenshot(emulation, "TActiveEmu");
}

TEST_F(ScreenshotTest, savesEveryConfigurationTabInInchAndMmWithAFullConfiguration)
{
    ui::TFormMain& main = openWindow();
    useEthernet();
    sim.printer.withState([](sim::PrinterState& state) { state.reports = FullConfigurationReports(); });
    auto& tabs = Child<QTabWidget>(main, "PageControl2");
    for (const char* unit : {"inch", "mm"}) {
        Child<ui::RadioGroup>(main, "RadioGroupUnit").setItemIndex(unit == std::string("inch") ? 0 : 1);
        Click(main, "ButtonRead");
        ASSERT_TRUE(prompts.messages.isEmpty());
        for (const char* tab :
             {"TabSheet5", "TabSheet6", "TabSheet7", "TabSheet8", "TabSheet9", "TabSheet11", "tsFtpUpd"}) {
            tabs.setCurrentWidget(&Child(main, tab));
            saveScreenshot(main, qPrintable(QStringLiteral("TFormMain-%1-%2").arg(tab, unit)));
        }
    }
}
