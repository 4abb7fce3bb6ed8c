#include "ConfigurationPageFixture.h"
#include "PrinterProfile.h"
#include "WidgetDriving.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using namespace norvane;
using namespace norvane::test;

class ConfigurationSetTest : public ConfigurationPageFixture
{
protected:
    void SetUp() override
    {
        ConfigurationPageFixture::SetUp();
        readPrinter();
    }
};

TEST_F(ConfigurationSetTest, theEmptyDensityItemSendsNoDensityLineAndTheMainRecordKeepsTheRead)
{
    showTab(ConfigPage::Common);
    EXPECT_EQ(list("ComboBoxDensity").currentText(), "8");
    list("ComboBoxDensity").setCurrentIndex(8);
    EXPECT_TRUE(setCommands().contains("DENSITY 7"));

    list("ComboBoxDensity").setCurrentIndex(0);
    const QList<QByteArray> commands = setCommands();
    EXPECT_TRUE(commands.contains("SPEED 4.0"));
    EXPECT_FALSE(std::any_of(commands.begin(), commands.end(),
                             [](const QByteArray& command) { return command.startsWith("DENSITY"); }));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(window->printerConfig().density.valid, 1);
    EXPECT_EQ(window->printerConfig().density.value, 8);
}

TEST_F(ConfigurationSetTest, theSerialPortIsSentOnlyWithAllFourListsChosen)
{
    showTab(ConfigPage::SerialPort);
    list("ComboBoxParity").setCurrentIndex(0);
    EXPECT_EQ(setCommands(), QList<QByteArray>());

    list("ComboBoxParity").setCurrentIndex(2);
    list("ComboBoxBaudrate").setCurrentIndex(8);
    EXPECT_EQ(setCommands(), QList<QByteArray>{"SET COM1 115,O,8,1"});
}

TEST_F(ConfigurationSetTest, aFieldThatDoesNotConvertStopsSetBeforeAnythingIsSent)
{
    showTab(ConfigPage::Common);
    edit("EditReferenceX").setText("1O");
    EXPECT_EQ(setCommands(), QList<QByteArray>());
    edit("EditReferenceX").setText("10");
    // A field of another tab stops the write as well: the whole page is taken.
    edit("EditPrintWidthZ").setText("2.5 in");
    EXPECT_EQ(setCommands(), QList<QByteArray>());

    EXPECT_EQ(prompts.messages,
              QStringList({"'1O' is not a valid integer value", "'2.5 in' is not a valid floating point value"}));
}

TEST_F(ConfigurationSetTest, theSpeedKeepsItsFractionAndTakesACommaForThePoint)
{
    setReport("SPEED", "1.5");
    readPrinter();
    showTab(ConfigPage::Common);
    EXPECT_EQ(edit("EditSpeed").text(), "1.5");
    EXPECT_TRUE(setCommands().contains("SPEED 1.5"));
    edit("EditSpeed").setText("2,5");
    EXPECT_TRUE(setCommands().contains("SPEED 2.5"));
    edit("EditSpeed").setText("x");
    EXPECT_EQ(setCommands(), QList<QByteArray>());
    EXPECT_EQ(prompts.messages, QStringList{"'x' is not a valid floating point value"});
}

TEST_F(ConfigurationSetTest, eachTabWrittenToAFreshPrinterReadsBackTheSame)
{
    setReports(FullConfigurationReports());
    readPrinter();
    const QMap<QString, QString> shown = pageState();

    setReports(sim::FactoryReports(108));
    for (ConfigPage page :
         {ConfigPage::Common, ConfigPage::ZEmulation, ConfigPage::DEmulation, ConfigPage::SerialPort}) {
        showTab(page);
        setCommands();
    }
    readPrinter();

    const QMap<QString, QString> readBack = pageState();
    // The bases are the printer's own, and only the sensor intensity of the media in use is written.
    const QStringList unwritten{"EditDensityBase", "EditOffsetBase", "EditShiftYBase",
                                "EditShiftXBase",  "EditGapInten",   "EditContinuousInten"};
    for (const char* tab : {"TabSheet5", "TabSheet6", "TabSheet7", "TabSheet8"}) {
        for (const QWidget* control : Child(*window, tab).findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (shown.contains(name) && !unwritten.contains(name)) {
                EXPECT_EQ(readBack[name], shown[name]) << qPrintable(name);
            }
        }
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ConfigurationSetTest, aTextThePrinterCannotCarryIsNamedAndNothingIsSent)
{
    showTab(ConfigPage::Bluetooth);
    edit("EditBTName").setText("Lab \"2\"");
    EXPECT_EQ(setCommands(), QList<QByteArray>());
    EXPECT_EQ(prompts.messages,
              QStringList{"\"BT Name\" holds a double quote or a control character, which the printer's commands "
                          "cannot carry. Nothing was sent."});
    EXPECT_EQ(prompts.kinds, QList{ui::MessageKind::Error});
}

TEST_F(ConfigurationSetTest, aCharacterBeyondLatin1IsRefusedNamingItsFieldBeforeAnythingIsSentOrSaved)
{
    showTab(ConfigPage::Wireless);
    edit("EditWiFiSSID").setText(QStringLiteral("Caf\u00e9 \u4e2d"));
    EXPECT_EQ(setCommands(), QList<QByteArray>());
    edit("EditWiFiSSID").setText(QStringLiteral("Caf\u00e9"));
    edit("Edit1Printname").setText(QStringLiteral("Labels \u2116 7"));
    EXPECT_EQ(setCommands(), QList<QByteArray>());
    edit("Edit1Printname").setText(QStringLiteral("Labels 7"));
    EXPECT_TRUE(setCommands().contains("WLAN SSID \"Caf\xe9\""));

    // A field of another tab stops a Save before the file is touched.
    edit("edtFtpPath").setText(QStringLiteral("fw/\u00fcber/\u0416"));
    const QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("page.dcf"));
    prompts.saveFiles << file;
    showTab(ConfigPage::Common);
    Click(*window, "ButtonSave");
    EXPECT_FALSE(QFile::exists(file));

    EXPECT_EQ(prompts.messages, QStringList({"\"WLAN SSID\" may hold Latin-1 characters only.",
                                             "\"Network Printer Name\" may hold Latin-1 characters only.",
                                             "\"FTP Path\" may hold Latin-1 characters only."}));
    EXPECT_EQ(prompts.kinds, QList<ui::MessageKind>(3, ui::MessageKind::Error));
}

TEST_F(ConfigurationSetTest, setStaysOffOnTheWirelessTabAfterAResetUntilTheNextRead)
{
    auto& set = Child<QPushButton>(*window, "ButtonConfigSet");
    showTab(ConfigPage::Wireless);
    EXPECT_TRUE(set.isEnabled());

    Click(*window, "ButtonRestPrinter");
    EXPECT_FALSE(set.isEnabled());
    showTab(ConfigPage::Common);
    EXPECT_TRUE(set.isEnabled());
    showTab(ConfigPage::Wireless);
    EXPECT_FALSE(set.isEnabled());

    readPrinter();
    EXPECT_TRUE(set.isEnabled());
}
