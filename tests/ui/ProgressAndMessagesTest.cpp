#include "MainWindowFixture.h"
#include "MessageBoxPrompts.h"
#include "OperationRunner.h"
#include "SimPrinter.h"
#include "TFormProcess.h"
#include "WidgetDriving.h"
#include "RefusingPort.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>

using namespace norvane;
using namespace norvane::test;

TEST(ProgressWindowTest, showsCentredFollowsTheBarAndStaysAMomentBeforeHiding)
{
    const QRect screen(50, 0, 1000, 800);
    ui::TFormProcess window(screen);
    Progress progress;
    progress.setView(&window);
    const auto& bar = Child<QProgressBar>(window, "ProgressBar1");

    progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Communicating...");
    EXPECT_EQ(window.pos(), QPoint(50 + (1000 - window.width()) / 2, (800 - window.height()) / 2));
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 100);
    EXPECT_EQ(bar.value(), 3);
    progress.StepProgress(ProgressMode::StepPerWrite, 0);
    EXPECT_EQ(bar.value(), 6);
    progress.StepProgress(ProgressMode::Percentage, 50);
    EXPECT_EQ(bar.value(), 6);

    QElapsedTimer elapsed;
    elapsed.start();
    progress.HideProgress();
    EXPECT_GE(elapsed.elapsed(), 200);
    EXPECT_FALSE(window.isVisible());

    progress.ShowProgress(ProgressMode::Percentage, 3, 3);
    progress.StepProgress(ProgressMode::Percentage, 49);
    EXPECT_EQ(bar.value(), 49);
    progress.HideProgress();
}

TEST(MessageBoxPromptsTest, aFailureMessageCanBeAnsweredWhileTheMainWindowIsDisabled)
{
    SimPrinter sim;
    const RefusingPort refusing;
    sim.settings.ethernet.port = refusing.port();
    QWidget mainWindow;
    mainWindow.show();
    ui::MessageBoxPrompts prompts(QStringLiteral("Title"));
    ui::OperationRunner runner(mainWindow, *sim.dispatcher, prompts, [] { return InterfaceKind::Ethernet; });

    OnModal<QMessageBox>([&](QMessageBox& box) {
        EXPECT_EQ(box.text(), "Port Open Error");
        EXPECT_EQ(box.windowTitle(), "Title");
        EXPECT_FALSE(mainWindow.isEnabled());
        EXPECT_TRUE(box.isEnabled());
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(runner.RunOperation<OperationCode::PrintConfigurationPage>(), ResultCode::PortOpenError);
    EXPECT_TRUE(mainWindow.isEnabled());
}
