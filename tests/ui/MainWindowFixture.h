#pragma once

#include "QStringPrinting.h"
#include "ScriptedPrompts.h"
#include "SimPrinter.h"
#include "TFormMain.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

namespace norvane::test {

/// Every link the window opened: its kind, and whether the main window was enabled at that moment.
struct LinkOpening
{
    InterfaceKind kind;
    bool mainWindowEnabled;
};

/// A main window pointed at the virtual printer, its messages recorded instead of shown.
class MainWindowFixture : public ::testing::Test
{
protected:
    /// A screen on which the whole window fits.
    static constexpr QRect kLargeScreen{0, 0, 1920, 1080};

    /// Creates and shows the window; the USB tree holds the virtual printer only when asked.
    ui::TFormMain& openWindow(bool withUsbPrinter = false, QRect screen = kLargeScreen);
    /// Chooses ETHERNET, pointed at the virtual printer.
    void useEthernet();
    void chooseInterface(InterfaceKind kind);
    QString statusPanel(int index) const;
    bool printerReceived(const QByteArray& bytes);
    /// Clears the printer's logs and `written`.
    void clearPrinterLogs();
    /// Waits until every byte the window wrote since the logs were cleared has reached the printer, and returns
    /// what the printer received: also what it did not get, without waiting a while for nothing to come.
    QByteArray deliveredBytes();
    /// Writes `bytes` to the file `name` in `files` and gives its path.
    QString writeFile(const QString& name, const QByteArray& bytes);

    SimPrinter sim;
    /// Where the window's discovery requests go: the virtual printer's discovery port unless a test says.
    std::optional<DiscoveryTargets> discoveryTargets;
    QTemporaryDir emptyUsbTree;
    ScriptedPrompts prompts;
    std::vector<LinkOpening> openings;
    /// Every byte the window wrote to its links since the printer's logs were last cleared.
    QByteArray written;
    std::unique_ptr<ui::TFormMain> window;
    /// The test's own folder for the files it opens and saves.
    QTemporaryDir files;
};

} // namespace norvane::test
