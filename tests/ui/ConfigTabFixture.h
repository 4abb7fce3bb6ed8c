#pragma once

#include "ConfigTab.h"
#include "OperationRunner.h"
#include "ScriptedPrompts.h"
#include "SimPrinter.h"
#include "WidgetDriving.h"

#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace norvane::test {

/// One configuration tab on a plain window that stands in for the main window; its operations go to the
/// virtual printer over TCP on 127.0.0.1.
class ConfigTabFixture : public ::testing::Test
{
protected:
    /// A little less than the configuration pages' frame offers, so the tabs are known to fit with room.
    static constexpr QSize kTabContent{690, 500};

    ConfigTabFixture()
    {
        sim.links->timeouts().bluetoothScan = std::chrono::seconds(2);
        new QVBoxLayout(&window);
    }

    /// Puts `tab` on the window, shows it and makes it the active window, so that focus changes reach it as
    /// they do when the user moves between fields.
    template <typename Tab> Tab& host(Tab* tab)
    {
        window.layout()->addWidget(tab);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return *tab;
    }

    void setReport(const QByteArray& key, const QByteArray& answer)
    {
        sim.printer.withState([&](sim::PrinterState& state) { state.reports[key] = answer; });
    }

    /// The configuration the virtual printer reports now, as a Read gets it.
    PrinterConfig readFromPrinter()
    {
        PrinterConfig config;
        ClearConfig(config);
        EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Ethernet, config, 0),
                  ResultCode::Success);
        return config;
    }

    /// Saves a picture of `tab` on a tab control whose pages have the room of `kTabContent`; the control
    /// takes the tab over.
    static void saveScreenshot(ui::ConfigTab* tab, const char* caption, const char* name)
    {
        QTabWidget pages;
        pages.addTab(tab, QLatin1StringView(caption));
        pages.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pages));
        pages.resize(pages.size() - tab->size() + kTabContent);
        QCoreApplication::processEvents();
        ASSERT_EQ(tab->size(), kTabContent);
        QDir().mkpath(QStringLiteral(NORVANE_SCREENSHOT_DIR));
        const QString path = QStringLiteral(NORVANE_SCREENSHOT_DIR "/%1.png").arg(QLatin1StringView(name));
        EXPECT_TRUE(pages.grab().save(path)) << path.toStdString();
    }

    /// Whether every control of `tab` fits the room of `kTabContent`.
    static bool fitsTheConfigurationPages(const QWidget& tab)
    {
        const QSize needed = tab.minimumSizeHint();
        return needed.width() <= kTabContent.width() && needed.height() <= kTabContent.height();
    }

    SimPrinter sim;
    ScriptedPrompts prompts;
    QWidget window;
    ui::OperationRunner runner{window, *sim.dispatcher, prompts, [] {
                                   return InterfaceKind::Ethernet;
                               }};
    ui::PageUnits units;
};

} // namespace norvane::test
