#include "MainWindowFixture.h"

#include "WidgetDriving.h"
#include "link/SystemTransportOpener.h"

#include <QComboBox>
#include <QLabel>
#include <QStatusBar>

namespace norvane::test {

namespace {

/// Opens the real transports and notes what the main window looked like when it did.
class RecordingOpener : public TransportOpener
{
public:
    RecordingOpener(const QString& usbDir, std::vector<LinkOpening>& openings)
        : m_system(UsbDeviceRoots{usbDir + QStringLiteral("/sys"), usbDir + QStringLiteral("/dev")}),
          m_openings(openings)
    {
    }

    std::unique_ptr<Transport> open(InterfaceKind kind, const LinkSettings& settings, const LinkTimeouts& timeouts,
                                    WaitPacing& pacing) override
    {
        bool enabled = true;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<ui::TFormMain*>(widget))
                enabled = widget->isEnabled();
        }
        m_openings.push_back({kind, enabled});
        return m_system.open(kind, settings, timeouts, pacing);
    }

private:
    SystemTransportOpener m_system;
    std::vector<LinkOpening>& m_openings;
};

} // namespace

ui::TFormMain& MainWindowFixture::openWindow(bool withUsbPrinter, QRect screen)
{
    ui::MainWindowEnvironment environment;
    environment.transportOpener =
        std::make_unique<RecordingOpener>(withUsbPrinter ? sim.usbDir.path() : emptyUsbTree.path(), openings);
    environment.timeouts.usbRead = SimPrinter::kShortTimeout;
    environment.timeouts.comRead = SimPrinter::kShortTimeout;
    environment.timeouts.ethernet = SimPrinter::kShortTimeout;
    environment.screen = screen;
    window = std::make_unique<ui::TFormMain>(prompts, std::move(environment));
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    return *window;
}

void MainWindowFixture::useEthernet()
{
    window->linkSettings().ethernet = sim.settings.ethernet;
    chooseInterface(InterfaceKind::Ethernet);
}

void MainWindowFixture::chooseInterface(InterfaceKind kind)
{
    Child<QComboBox>(*window, "ComboBoxInterFace").setCurrentIndex(static_cast<int>(kind));
}

QString MainWindowFixture::statusPanel(int index) const
{
    return Child<QLabel>(Child<QStatusBar>(*window, "StatusBar1"), qPrintable(QStringLiteral("Panel%1").arg(index)))
        .text();
}

bool MainWindowFixture::printerReceived(const QByteArray& bytes)
{
    return sim.waitFor([&](const sim::PrinterState& state) { return state.received.contains(bytes); });
}

} // namespace norvane::test
