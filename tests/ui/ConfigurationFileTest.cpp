#include "ConfigurationPageFixture.h"
#include "PrinterProfile.h"
#include "RadioGroup.h"
#include "WidgetDriving.h"
#include "config/DcfFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace norvane;
using namespace norvane::test;

class ConfigurationFileTest : public ConfigurationPageFixture
{
protected:
    void SetUp() override
    {
        ConfigurationPageFixture::SetUp();
        setReports(FullConfigurationReports());
    }

    QString save(const QString& name = QStringLiteral("printer.dcf"))
    {
        const QString path = files.filePath(name);
        prompts.saveFiles << path;
        Click(*window, "ButtonSave");
        return path;
    }

    void load(const QString& path)
    {
        prompts.openFiles << path;
        Click(*window, "ButtonLoad");
    }

    int unitIndex() const { return Child<ui::RadioGroup>(*window, "RadioGroupUnit").itemIndex(); }
    QString printerStatusText() const { return edit("EditPrinterStatus").text(); }
};

TEST_F(ConfigurationFileTest, saveClearAndLoadReproduceEveryValueAndTheUnit)
{
    chooseUnit(LengthUnit::Mm);
    readPrinter();
    const QMap<QString, QString> shown = pageState();
    const QString path = save();
    EXPECT_EQ(prompts.fileFilters, QStringList{"Configuration files (*.dcf)"});
    EXPECT_EQ(prompts.defaultSuffixes, QStringList{"dcf"});
    EXPECT_EQ(QFileInfo(path).size(), kDcfFileSize);

    Click(*window, "ButtonClear");
    chooseUnit(LengthUnit::Inch);
    ASSERT_NE(pageState(), shown);
    load(path);

    EXPECT_EQ(pageState(), shown);
    EXPECT_EQ(unitIndex(), 1);
    EXPECT_EQ(unitLabels(), QStringList(9, "mm"));
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ConfigurationFileTest, aFileSavedInMillimetresSwitchesThePageToMillimetresFirst)
{
    chooseUnit(LengthUnit::Mm);
    readPrinter();
    const QString path = save();
    chooseUnit(LengthUnit::Inch);
    readPrinter();
    EXPECT_EQ(edit("EditWidth").text(), "4.00");

    load(path);
    EXPECT_EQ(unitIndex(), 1);
    EXPECT_EQ(unitLabels(), QStringList(9, "mm"));
    EXPECT_EQ(edit("EditWidth").text(), "101.50");
}

TEST_F(ConfigurationFileTest, aChangedFirstByteGivesFileDataErrorAndChangesNothing)
{
    chooseUnit(LengthUnit::Mm);
    readPrinter();
    const QString path = save();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write("\xAB", 1);
    file.close();
    chooseUnit(LengthUnit::Inch);
    Click(*window, "ButtonClear");
    Click(*window, "ButtonGetStatus");
    const QMap<QString, QString> shown = pageState();
    const QString status = printerStatusText();

    load(path);
    EXPECT_EQ(prompts.messages, QStringList{"File Data Error"});
    EXPECT_EQ(pageState(), shown);
    EXPECT_EQ(unitIndex(), 0);
    EXPECT_EQ(printerStatusText(), status);
}

TEST_F(ConfigurationFileTest, aFileThatIsNoConfigurationIsRefusedWithoutWaitingForIt)
{
    readPrinter();
    const QMap<QString, QString> shown = pageState();
    const QString fifo = files.filePath("pipe.dcf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    load(fifo); // nobody writes to it: reading it would never end
    QFile large(files.filePath("large.dcf"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(kDcfFileSize + 1, '\0'));
    large.close();
    load(large.fileName());
    load(files.filePath("missing.dcf"));
    ASSERT_EQ(prompts.messages.size(), 3);
    EXPECT_TRUE(prompts.messages[0].contains(fifo));
    EXPECT_TRUE(prompts.messages[1].contains(large.fileName()));
    EXPECT_TRUE(prompts.messages[2].contains("missing.dcf"));
    EXPECT_EQ(pageState(), shown);
}

TEST_F(ConfigurationFileTest, aLoadedFileShowsItsStatusAndGoesToThePageOnly)
{
    readPrinter();
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0x21; });
    Click(*window, "ButtonGetStatus");
    const QString path = save();

    setReports(sim::FactoryReports(108));
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0; });
    readPrinter();
    Click(*window, "ButtonGetStatus");
    EXPECT_EQ(printerStatusText(), "Ready");
    const PrinterConfig printer = window->printerConfig();

    load(path);
    EXPECT_EQ(printerStatusText(), "Cover Open");
    EXPECT_EQ(edit("EditSpeed").text(), "1.5");
    EXPECT_TRUE(window->printerConfig() == printer);
}

TEST_F(ConfigurationFileTest, aFailedSaveNamesTheFileAndAFieldThatDoesNotConvertKeepsTheOldFile)
{
    readPrinter();
    const QString unwritable = files.filePath("no/such/folder/printer.dcf");
    prompts.saveFiles << unwritable;
    Click(*window, "ButtonSave");
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(unwritable)) << prompts.messages[0].toStdString();

    const QString path = save();
    const QByteArray saved = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    edit("EditHeatD").setText("9x");
    save();
    EXPECT_EQ(prompts.messages.last(), "'9x' is not a valid integer value");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), saved);
}

TEST_F(ConfigurationFileTest, aLoadedSecretIsMaskedEvenInAFieldOpenedForTyping)
{
    readPrinter();
    const QString path = save();
    Child<QTabWidget>(*window, "PageControl2").setCurrentIndex(6);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Enter(edit("edtFtpPswd")); // opened for typing: shown in clear
    ASSERT_EQ(edit("edtFtpPswd").echoMode(), QLineEdit::Normal);
    load(path);
    EXPECT_FALSE(edit("edtFtpPswd").text().isEmpty());
    EXPECT_EQ(edit("edtFtpPswd").echoMode(), QLineEdit::Password);
}
