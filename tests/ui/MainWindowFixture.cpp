#include "MainWindowFixture.h"

#include "WidgetDriving.h"
#include "link/SystemTransportOpener.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QStatusBar>

namespace norvane::test {

namespace {

/// A real transport that notes every byte written through it.
class RecordingTransport : public Transport
{
public:
    RecordingTransport(std::unique_ptr<Transport> transport, QByteArray& written)
        : m_transport(std::move(transport)), m_written(written)
    {
    }

    bool writeChunk(QByteArrayView chunk, WaitPacing& pacing) override
    {
        const bool written = m_transport->writeChunk(chunk, pacing);
        if (written)
            m_written += chunk;
        return written;
    }

    FetchResult fetch(std::uint8_t* into, std::size_t capacity, std::chrono::milliseconds timeout) override
    {
        return m_transport->fetch(into, capacity, timeout);
    }

    void purgeInput() override { m_transport->purgeInput(); }

private:
    std::unique_ptr<Transport> m_transport;
    QByteArray& m_written;
};

/// Opens the real transports, notes what the main window looked like when it did, and what was written.
class RecordingOpener : public TransportOpener
{
public:
    RecordingOpener(const QString& usbDir, std::vector<LinkOpening>& openings, QByteArray& written)
        : m_system(UsbDeviceRoots{usbDir + QStringLiteral("/sys"), usbDir + QStringLiteral("/dev")}),
          m_openings(openings), m_written(written)
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
        std::unique_ptr<Transport> transport = m_system.open(kind, settings, timeouts, pacing);
        return transport ? std::make_unique<RecordingTransport>(std::move(transport), m_written) : nullptr;
    }

private:
    SystemTransportOpener m_system;
    std::vector<LinkOpening>& m_openings;
    QByteArray& m_written;
};

} // namespace

ui::TFormMain& MainWindowFixture::openWindow(bool withUsbPrinter, QRect screen)
{
    ui::MainWindowEnvironment environment;
    environment.transportOpener =
        std::make_unique<RecordingOpener>(withUsbPrinter ? sim.usbDir.path() : emptyUsbTree.path(), openings, written);
    environment.timeouts.usbRead = SimPrinter::kShortTimeout;
    environment.timeouts.comRead = SimPrinter::kShortTimeout;
    environment.timeouts.ethernet = SimPrinter::kShortTimeout;
    environment.timeouts.fileRequestSettle = std::chrono::milliseconds(0);
    environment.timeouts.fileRequestLead = std::chrono::milliseconds(0);
    environment.screen = screen;
    // The captions the tests look for are English whatever the machine's locale.
    environment.language = UiLanguage::English;
    // Never the broadcast and multicast addresses: no test sends a packet off this machine.
    environment.discoveryTargets = discoveryTargets.value_or(sim.loopbackTargets());
    environment.discoveryTimeouts = {std::chrono::milliseconds(200), std::chrono::milliseconds(1000)};
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

void MainWindowFixture::clearPrinterLogs()
{
    sim.printer.clearLogs();
    written.clear();
}

QByteArray MainWindowFixture::deliveredBytes()
{
    EXPECT_TRUE(sim.waitFor([&](const sim::PrinterState& state) { return state.received.size() >= written.size(); }));
    const QByteArray received = sim.printer.received();
    EXPECT_EQ(received, written);
    return received;
}

QString MainWindowFixture::writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(files.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

} // namespace norvane::test
