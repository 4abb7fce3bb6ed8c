#include "MainWindowFixture.h"
#include "MessageBoxPrompts.h"
#include "OperationRunner.h"
#include "RefusingPort.h"
#include "SimPrinter.h"
#include "TFormProcess.h"
#include "WidgetDriving.h"
#include "WindowStacking.h"

#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QWindow>

using namespace norvane;
using namespace norvane::test;

namespace {

/// The values a progress bar showed each time it was painted.
class PaintedValues : public QObject
{
public:
    explicit PaintedValues(QProgressBar& bar) : m_bar(bar) { bar.installEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            values << m_bar.value();
        return false;
    }

    QList<int> values;

private:
    QProgressBar& m_bar;
};

} // namespace

TEST(ProgressWindowTest, showsCentredAndActiveAboveTheMainWindowAndFollowsTheBar)
{
    const QRect screen(50, 0, 1000, 800);
    QWidget mainWindow;
    mainWindow.setGeometry(screen);
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    ui::TFormProcess window(screen, &mainWindow);
    Progress progress;
    progress.setView(&window);
    const auto& bar = Child<QProgressBar>(window, "ProgressBar1");

    progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Communicating...");
    EXPECT_EQ(window.pos(), QPoint(50 + (1000 - window.width()) / 2, (800 - window.height()) / 2));
    ASSERT_TRUE(window.windowHandle());
    EXPECT_EQ(window.windowHandle()->transientParent(), mainWindow.windowHandle());
    EXPECT_TRUE(WaitUntil([&] { return window.isActiveWindow(); }));
    EXPECT_TRUE(OnTopAt(window, screen.center()));
    EXPECT_TRUE(Child<QPushButton>(window, "ButtonCancel").isEnabled());
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 100);
    EXPECT_EQ(bar.value(), 3);
    progress.StepProgress(ProgressMode::StepPerWrite, 0);
    EXPECT_EQ(bar.value(), 6);
    progress.StepProgress(ProgressMode::Percentage, 50);
    EXPECT_EQ(bar.value(), 6);
    progress.HideProgress();
    EXPECT_FALSE(window.isVisible());

    // Shown again after the main window was brought to the front, it comes up above it once more.
    mainWindow.raise();
    mainWindow.activateWindow();
    EXPECT_TRUE(WaitUntil([&] { return mainWindow.isActiveWindow(); }));
    EXPECT_TRUE(OnTopAt(mainWindow, screen.center()));
    progress.ShowProgress(ProgressMode::Percentage, 3, 3);
    progress.StepProgress(ProgressMode::Percentage, 49);
    EXPECT_EQ(bar.value(), 49);
    EXPECT_TRUE(WaitUntil([&] { return window.isActiveWindow(); }));
    EXPECT_TRUE(OnTopAt(window, screen.center()));
    progress.HideProgress();
}

TEST(ProgressWindowTest, theFullBarIsPaintedAndEventsGoOnWhileTheWindowLingers)
{
    ui::TFormProcess window(QRect(0, 0, 1000, 800));
    Progress progress;
    progress.setView(&window);
    auto& bar = Child<QProgressBar>(window, "ProgressBar1");
    progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const PaintedValues painted(bar);

    bool sawTheFullBarUp = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (window.isVisible() && bar.value() == 100)
            sawTheFullBarUp = true;
    });
    probe.start(10);
    progress.HideProgress();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(sawTheFullBarUp);
    EXPECT_TRUE(painted.values.contains(100));
}

TEST(ProgressWindowTest, aLongWaitShowsABusyBarWithCancelThatReachesTheLinkOnce)
{
    QWidget mainWindow;
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    ui::TFormProcess window(QRect(0, 0, 1000, 800), &mainWindow);
    Progress progress;
    progress.setView(&window);
    const auto& bar = Child<QProgressBar>(window, "ProgressBar1");

    progress.ShowWaiting();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowHandle()->transientParent(), mainWindow.windowHandle());
    EXPECT_TRUE(WaitUntil([&] { return window.isActiveWindow(); }));
    EXPECT_EQ(QApplication::activeModalWidget(), &window); // nothing but Cancel takes input meanwhile
    EXPECT_EQ(bar.maximum(), 0);                           // busy: no position to show
    Click(window, "ButtonCancel");
    EXPECT_TRUE(progress.TakeCancelRequest());
    EXPECT_FALSE(progress.TakeCancelRequest());
    EXPECT_FALSE(Child<QPushButton>(window, "ButtonCancel").isEnabled());
    EXPECT_FALSE(window.close()); // the desktop cannot take it away while the operation still runs
    EXPECT_TRUE(window.isVisible());
    progress.HideWaiting();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // Under a bar, a long wait keeps the bar and leaves the window to it.
    progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    progress.ShowWaiting();
    EXPECT_EQ(bar.maximum(), 100);
    EXPECT_EQ(bar.value(), 3);
    EXPECT_TRUE(Child<QPushButton>(window, "ButtonCancel").isEnabled());
    window.close();
    EXPECT_TRUE(progress.TakeCancelRequest());
    progress.HideWaiting();
    EXPECT_TRUE(window.isVisible());
    progress.HideProgress();
    EXPECT_FALSE(window.isVisible());
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
