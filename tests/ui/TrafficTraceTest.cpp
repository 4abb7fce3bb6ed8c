#include "MainWindowFixture.h"
#include "WidgetDriving.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace norvane;
using namespace norvane::test;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TrafficTraceTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        openWindow();
        useEthernet();
    }

    QPushButton& traceButton() { return Child<QPushButton>(*window, "ButtonTrafficTrace"); }
    QString printerStatus() { return Child<QLineEdit>(*window, "EditPrinterStatus").text(); }
};

TEST_F(TrafficTraceTest, theButtonTracesTheFollowingOperationsToTheChosenFileUntilClickedAgain)
{
    EXPECT_FALSE(traceButton().isChecked());
    EXPECT_EQ(traceButton().text(), "Traffic trace");

    // A cancelled file choice starts nothing.
    Click(*window, "ButtonTrafficTrace");
    EXPECT_FALSE(traceButton().isChecked());
    EXPECT_EQ(prompts.defaultSuffixes, QStringList{"txt"});

    const QString path = files.filePath("window.trace");
    prompts.saveFiles << path;
    Click(*window, "ButtonTrafficTrace");
    EXPECT_TRUE(traceButton().isChecked());
    EXPECT_EQ(traceButton().text(), "Traffic trace (on)");
    EXPECT_TRUE(traceButton().toolTip().contains("window.trace"));

    Click(*window, "ButtonGetStatus");
    const QByteArray traced = contents(path);
    EXPECT_TRUE(traced.contains("ETHERNET ReadStatus send \\x1b!?\n")) << traced.constData();
    EXPECT_TRUE(traced.contains("ETHERNET ReadStatus close\n"));

    Click(*window, "ButtonTrafficTrace");
    EXPECT_FALSE(traceButton().isChecked());
    EXPECT_EQ(traceButton().text(), "Traffic trace");
    Click(*window, "ButtonGetStatus");
    EXPECT_EQ(contents(path), traced);
    EXPECT_TRUE(prompts.messages.isEmpty()) << qPrintable(prompts.messages.join('|'));
}

TEST_F(TrafficTraceTest, aTraceFileThatCannotBeWrittenIsSaidOnceAndTheOperationStillRuns)
{
    const QString missing = files.filePath("missing/window.trace");
    prompts.saveFiles << missing;
    Click(*window, "ButtonTrafficTrace");
    EXPECT_FALSE(traceButton().isChecked());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(missing));

    if (!QFile::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full to fill";
    prompts.clearMessages();
    prompts.saveFiles << QStringLiteral("/dev/full");
    Click(*window, "ButtonTrafficTrace");
    EXPECT_TRUE(traceButton().isChecked());
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0; });
    Click(*window, "ButtonGetStatus");
    EXPECT_EQ(printerStatus(), "Ready");
    ASSERT_TRUE(WaitUntil([&] { return !prompts.messages.isEmpty(); }));
    EXPECT_TRUE(prompts.messages[0].startsWith("Writing the traffic trace failed")) << qPrintable(prompts.messages[0]);
    EXPECT_FALSE(traceButton().isChecked());
    Click(*window, "ButtonGetStatus");
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(TrafficTraceTest, theRunningTraceShowsInTheStatusBarPicture)
{
    prompts.saveFiles << files.filePath("window.trace");
    Click(*window, "ButtonTrafficTrace");
    Click(*window, "ButtonGetStatus");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QRect button = traceButton().geometry();
    // The button sits whole inside the status bar, right of the clock panel.
    EXPECT_TRUE(traceButton().parentWidget()->rect().contains(button));
    EXPECT_GT(button.left(), Child(*window, "Panel3").geometry().right());
    EXPECT_GE(button.width(), traceButton().minimumSizeHint().width());
    QDir().mkpath(QStringLiteral(NORVANE_SCREENSHOT_DIR));
    EXPECT_TRUE(window->grab().save(QStringLiteral(NORVANE_SCREENSHOT_DIR "/TFormMain-traffic-trace.png")));
}
