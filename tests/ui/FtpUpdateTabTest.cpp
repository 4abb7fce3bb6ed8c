#include "FtpUpdateTab.h"
#include "ConfigTabFixture.h"
#include "WidgetDriving.h"

#include <QLineEdit>

using namespace norvane;
using namespace norvane::test;

class FtpUpdateTabTest : public ConfigTabFixture
{
protected:
    QLineEdit& edit(const char* name) { return Child<QLineEdit>(tab, name); }

    PrinterConfig taken(PrinterConfig record)
    {
        QString error;
        EXPECT_TRUE(tab.takeConfig(record, units, error));
        return record;
    }

    void reportFtpUpdate()
    {
        for (const auto& [key, answer] : {std::pair<QByteArray, QByteArray>{"FTPCENABLE", "1"},
                                          {"UPDFTPSRV", "ftp.example.test"},
                                          {"UPDFTPPATH", "fw/new/"},
                                          {"UPDDESCFILE", "update.txt"},
                                          {"UPDFTPID", "updater"},
                                          {"UPDFTPPWD", "pw#1"}})
            setReport(key, answer);
    }

    ui::FtpUpdateTab& tab = host(new ui::FtpUpdateTab);
};

TEST_F(FtpUpdateTabTest, showsTheSixSettingsAndTakesThemAllBack)
{
    reportFtpUpdate();
    const PrinterConfig read = readFromPrinter();
    tab.showConfig(read, units);
    EXPECT_EQ(Child<QComboBox>(tab, "cbxFtpcEnabled").currentText(), "Enable");
    EXPECT_EQ(edit("edtFtpSrvIp").text(), "ftp.example.test");
    EXPECT_EQ(edit("edtFtpPswd").text(), "pw#1");
    PrinterConfig stale = read;
    stale.ftpPath.setText("old/");
    stale.ftpUser = {};
    EXPECT_TRUE(taken(stale) == read);

    // Empty texts are written too; a list without a choice has no number to write.
    PrinterConfig cleared;
    ClearConfig(cleared);
    tab.showConfig(cleared, units);
    EXPECT_EQ(Child<QComboBox>(tab, "cbxFtpcEnabled").currentIndex(), -1);
    const PrinterConfig record = taken(cleared);
    EXPECT_FALSE(record.ftpEnable.isSet());
    for (const auto& [set, text] : {std::pair{record.ftpServer.isSet(), record.ftpServer.text()},
                                    {record.ftpPath.isSet(), record.ftpPath.text()},
                                    {record.ftpDescriptionFile.isSet(), record.ftpDescriptionFile.text()},
                                    {record.ftpUser.isSet(), record.ftpUser.text()},
                                    {record.ftpPassword.isSet(), record.ftpPassword.text()}})
        EXPECT_TRUE(set && text.isEmpty());
}

TEST_F(FtpUpdateTabTest, secretsAreEmptiedWhenEnteredAndThePathGetsForwardSlashes)
{
    reportFtpUpdate();
    tab.showConfig(readFromPrinter(), units);
    for (const char* name : {"edtFtpUser", "edtFtpPswd"}) {
        EXPECT_EQ(edit(name).echoMode(), QLineEdit::Password) << name;
        Enter(edit(name));
        EXPECT_TRUE(edit(name).text().isEmpty()) << name;
        EXPECT_EQ(edit(name).echoMode(), QLineEdit::Normal) << name;
    }
    tab.maskSecrets();
    EXPECT_EQ(edit("edtFtpUser").echoMode(), QLineEdit::Password);

    edit("edtFtpPath").clear();
    Enter(edit("edtFtpPath"));
    QTest::keyClicks(&edit("edtFtpPath"), QStringLiteral("fw\\new\\"));
    EXPECT_EQ(edit("edtFtpPath").text(), "fw\\new\\");
    Enter(edit("edtDescriptFile"));
    EXPECT_EQ(edit("edtFtpPath").text(), "fw/new/");
}

TEST_F(FtpUpdateTabTest, startsDisabledAndFitsTheConfigurationPages)
{
    EXPECT_EQ(Child<QComboBox>(tab, "cbxFtpcEnabled").currentText(), "Disable");
    EXPECT_TRUE(fitsTheConfigurationPages(tab));
    reportFtpUpdate();
    auto* shown = new ui::FtpUpdateTab;
    shown->showConfig(readFromPrinter(), units);
    saveScreenshot(shown, "FTP Update", "FtpUpdateTab");
}
