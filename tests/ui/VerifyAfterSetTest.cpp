#include "ConfigurationPageFixture.h"
#include "ReadOnlySettings.h"
#include "UnkeptSettingMarks.h"
#include "WidgetDriving.h"

#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

using namespace norvane;
using namespace norvane::test;

class VerifyAfterSetTest : public ConfigurationPageFixture
{
protected:
    void SetUp() override
    {
        ConfigurationPageFixture::SetUp();
        chooseUnit(LengthUnit::Mm);
        readPrinter();
        showTab(ConfigPage::Common);
    }

    QCheckBox& verifyAfterSet() const { return Child<QCheckBox>(*window, "CheckBoxVerifyAfterSet"); }

    void makeReadOnly(const char* names)
    {
        sim.printer.withState([&](sim::PrinterState& state) {
            QString error;
            ASSERT_TRUE(sim::SetReadOnlySettings(QLatin1StringView(names), state, error));
        });
    }

    /// The controls of the page that carry the mark.
    QStringList markedControls() const
    {
        QStringList names;
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            if (control->property(ui::UnkeptSettingMarks::kProperty).toBool())
                names << control->objectName();
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    bool askedForTheConfiguration() const
    {
        const QList<QByteArray> commands = sim.printer.commands();
        return std::any_of(commands.begin(), commands.end(),
                           [](const QByteArray& command) { return command.contains("DIAGNOSTIC REPORT SPEED"); });
    }
};

TEST_F(VerifyAfterSetTest, offByDefaultSetOnlyWritesAsItAlwaysDid)
{
    makeReadOnly("SPEED");
    EXPECT_FALSE(verifyAfterSet().isChecked());
    EXPECT_EQ(verifyAfterSet().parentWidget(), Child<QPushButton>(*window, "ButtonConfigSet").parentWidget());
    edit("EditSpeed").setText("6");

    EXPECT_TRUE(setCommands().contains("SPEED 6.0 (read-only: SPEED)"));
    EXPECT_FALSE(askedForTheConfiguration());
    EXPECT_EQ(prompts.messages, QStringList());
    EXPECT_EQ(markedControls(), QStringList());
}

TEST_F(VerifyAfterSetTest, theSettingsThatDidNotStickAreReportedByTheirCaptionsAndMarkedUntilTheNextRead)
{
    makeReadOnly("SPEED,PAPERWIDTH");
    verifyAfterSet().setChecked(true);
    edit("EditSpeed").setText("6");
    edit("EditWidth").setText("60");
    list("ComboBoxDensity").setCurrentIndex(13); // 12
    const QString sentHeight = edit("EditHeight").text();

    setCommands();
    EXPECT_TRUE(askedForTheConfiguration());
    EXPECT_EQ(prompts.messages, QStringList{"The printer did not keep these settings:\n"
                                            "Speed: sent 6, read 4\n"
                                            "Paper Width: sent 60.00, read 101.50"});
    EXPECT_EQ(markedControls(), (QStringList{"EditSpeed", "EditWidth"}));
    window->show();
    QDir().mkpath(QStringLiteral(NORVANE_SCREENSHOT_DIR));
    EXPECT_TRUE(window->grab().save(QStringLiteral(NORVANE_SCREENSHOT_DIR "/VerifyAfterSet-marked.png")));
    QMessageBox report(QMessageBox::Information, window->windowTitle(), prompts.messages.value(0), QMessageBox::Ok,
                       window.get());
    report.show();
    EXPECT_TRUE(report.grab().save(QStringLiteral(NORVANE_SCREENSHOT_DIR "/VerifyAfterSet-report.png")));
    // The page keeps what was typed, so it can be sent again; the printer took the rest.
    EXPECT_EQ(edit("EditSpeed").text(), "6");
    EXPECT_EQ(sim.printer.snapshot().reports.value("DENSITY"), "12");
    EXPECT_EQ(edit("EditHeight").text(), sentHeight);

    // The next Set that sticks takes the marks away; so does a read.
    prompts.messages.clear();
    edit("EditSpeed").setText("4");
    edit("EditWidth").setText("101.5");
    setCommands();
    EXPECT_EQ(prompts.messages, QStringList());
    EXPECT_EQ(markedControls(), QStringList());

    edit("EditSpeed").setText("5");
    setCommands();
    EXPECT_EQ(markedControls(), QStringList{"EditSpeed"});
    prompts.messages.clear();
    readPrinter();
    EXPECT_EQ(markedControls(), QStringList());
    EXPECT_EQ(edit("EditSpeed").text(), "4");
}

TEST_F(VerifyAfterSetTest, otherPagesNameTheirSettingsByTheirOwnCaptions)
{
    makeReadOnly("DHEAT,UPDFTPID,UPDFTPPWD");
    verifyAfterSet().setChecked(true);
    showTab(ConfigPage::DEmulation);
    edit("EditHeatD").setText("25");
    setCommands();
    EXPECT_EQ(prompts.messages, QStringList{"The printer did not keep these settings:\nHeat: sent 25, read 10"});
    EXPECT_EQ(markedControls(), QStringList{"EditHeatD"});

    // Secrets show only their length.
    prompts.messages.clear();
    showTab(ConfigPage::FtpUpdate);
    edit("edtFtpUser").setText("tech");
    edit("edtFtpPswd").setText("hunter2");
    setCommands();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(
        prompts.messages[0].startsWith("The printer did not keep these settings:\nFTP Username: sent tech, read "))
        << qPrintable(prompts.messages[0]);
    EXPECT_TRUE(prompts.messages[0].contains("FTP Password: sent (hidden, 7 characters), read"));
    EXPECT_FALSE(prompts.messages[0].contains("hunter2"));
    EXPECT_EQ(markedControls(), (QStringList{"edtFtpPswd", "edtFtpUser"}));

    // A list setting is named by its item, as the list shows it.
    prompts.messages.clear();
    makeReadOnly("PARITY");
    showTab(ConfigPage::SerialPort);
    for (const char* name : {"ComboBoxBaudrate", "ComboBoxDatabit", "ComboBoxStopBit"})
        list(name).setCurrentIndex(1);
    list("ComboBoxParity").setCurrentText("Odd");
    setCommands();
    EXPECT_EQ(prompts.messages, QStringList{"The printer did not keep these settings:\nParity: sent Odd, read None"});
}
