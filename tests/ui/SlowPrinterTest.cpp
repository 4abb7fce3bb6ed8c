#include "ScriptedPrompts.h"
#include "SimPrinter.h"
#include "TFormMain.h"
#include "WidgetDriving.h"
#include "WindowStacking.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

using namespace norvane;
using namespace norvane::test;
using namespace std::chrono_literals;

/// The main window over ETHERNET to a virtual printer that takes its time, watched while an operation runs.
class SlowPrinterTest : public ::testing::Test
{
protected:
    static constexpr QRect kScreen{0, 0, 1920, 1080};

    /// What a timer started before the operation saw while it ran.
    struct Observed
    {
        int ticksDuringOperation = 0;
        bool progressWindowAboveMainWindow = false;
        bool barBusy = false;
    };

    void openWindow(const LinkTimeouts& timeouts)
    {
        ui::MainWindowEnvironment environment;
        environment.transportOpener =
            std::make_unique<SystemTransportOpener>(UsbDeviceRoots::under(emptyUsbTree.path()));
        environment.timeouts = timeouts;
        environment.screen = kScreen;
        window = std::make_unique<ui::TFormMain>(prompts, std::move(environment));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // Over the middle of the screen, where the progress window opens, so that it can only be seen on top.
        window->move(kScreen.center() - window->rect().center());
        window->linkSettings().ethernet = sim.settings.ethernet;
        Child<QComboBox>(*window, "ComboBoxInterFace").setCurrentIndex(static_cast<int>(InterfaceKind::Ethernet));
    }

    static QWidget& progressWindow()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1StringView("FormProcess"))
                return *widget;
        }
        throw std::runtime_error("no progress window");
    }

    /// Clicks Get Status with a timer running that notes what happens during the operation and, once the
    /// progress window has come up, does `whileShown` with it.
    Observed getStatusWatched(const std::function<void(QWidget&)>& whileShown = {})
    {
        Observed observed;
        bool cameUp = false;
        QWidget& process = progressWindow();
        QTimer probe;
        QObject::connect(&probe, &QTimer::timeout, [&] {
            if (window->isEnabled())
                return;
            ++observed.ticksDuringOperation;
            if (cameUp || !process.isVisible() || !process.isActiveWindow())
                return;
            cameUp = true;
            observed.progressWindowAboveMainWindow =
                process.windowHandle()->transientParent() == window->windowHandle() &&
                OnTopAt(process, kScreen.center());
            observed.barBusy = Child<QProgressBar>(process, "ProgressBar1").maximum() == 0;
            if (whileShown)
                whileShown(process);
        });
        probe.start(10);
        Click(*window, "ButtonGetStatus");
        return observed;
    }

    QString statusText() const { return Child<QLineEdit>(*window, "EditPrinterStatus").text(); }

    SimPrinter sim;
    QTemporaryDir emptyUsbTree;
    ScriptedPrompts prompts;
    std::unique_ptr<ui::TFormMain> window;
};

TEST_F(SlowPrinterTest, aLateAnswerKeepsTheWindowAliveShowsTheProgressWindowAboveItAndGivesItsResult)
{
    LinkTimeouts timeouts;
    timeouts.showWaitingAfter = SimPrinter::kShortTimeout;
    timeouts.ethernet = SimPrinter::kShortTimeout * 10;
    openWindow(timeouts);
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0x21; });
    sim.misbehave(sim::SimFault::AnswerLate, SimPrinter::kShortTimeout * 3);

    const Observed observed = getStatusWatched();
    EXPECT_GT(observed.ticksDuringOperation, 0);
    EXPECT_TRUE(observed.progressWindowAboveMainWindow);
    EXPECT_TRUE(observed.barBusy);
    EXPECT_EQ(statusText(), "Cover Open");
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_FALSE(progressWindow().isVisible());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(SlowPrinterTest, cancelEndsTheWaitForAPrinterThatNeverAnswersWithOneReceivingError)
{
    LinkTimeouts timeouts;
    timeouts.showWaitingAfter = SimPrinter::kShortTimeout;
    timeouts.ethernet = 1h; // only Cancel ends this read
    openWindow(timeouts);
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0x21; });
    Click(*window, "ButtonGetStatus");
    ASSERT_EQ(statusText(), "Cover Open");
    sim.misbehave(sim::SimFault::NeverAnswer);

    const Observed observed = getStatusWatched([](QWidget& process) { Click(process, "ButtonCancel"); });
    EXPECT_TRUE(observed.progressWindowAboveMainWindow);
    EXPECT_EQ(prompts.messages, QStringList{"Data Receiving Error"});
    EXPECT_EQ(statusText(), "Cover Open");
    EXPECT_FALSE(progressWindow().isVisible());
    EXPECT_TRUE(window->isEnabled());

    // The cancel belonged to that operation alone.
    sim.misbehave(sim::SimFault::None);
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0x00; });
    Click(*window, "ButtonGetStatus");
    EXPECT_EQ(statusText(), "Ready");
    EXPECT_EQ(prompts.messages.size(), 1);
}
