#include "ConfigurationPageFixture.h"
#include "PrinterProfile.h"
#include "WidgetDriving.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

using namespace norvane;
using namespace norvane::test;

namespace {

const char* const kEmulationEdits[] = {
    "EditDarknessZ",     "EditPrintSpeedZ",    "EditTearOffZ",      "EditPrintWidthZ",   "EditControlPrefixZ",
    "EditFormatPrefixZ", "EditDelimiterCharZ", "EditLabelTopZ",     "EditLeftPositionZ", "EditHeatD",
    "EditPrintSpeedD",   "EditLabelWidthD",    "EditColumnOffsetD", "EditRowOffsetD"};
const char* const kEmulationLists[] = {"ComboBoxPrintModeZ",     "ComboBoxMediaPowerUpZ",   "ComboBoxHeadCloseZ",
                                       "ComboBoxPresentSensorD", "ComboBoxCutterEquippedD", "ComboBoxControlCodesD"};

} // namespace

class ConfigurationReadTest : public ConfigurationPageFixture
{
protected:
    void expectShown(const std::map<const char*, const char*>& texts)
    {
        for (const auto& [name, text] : texts) {
            if (auto* control = window->findChild<QComboBox*>(QLatin1StringView(name)))
                EXPECT_EQ(control->currentText(), text) << name;
            else
                EXPECT_EQ(edit(name).text(), text) << name;
        }
    }
};

TEST_F(ConfigurationReadTest, theTabsComeInPageOrderAndTheAccessPointTabIsTakenOut)
{
    const auto& tabs = Child<QTabWidget>(*window, "PageControl2");
    QStringList captions;
    QStringList names;
    for (int page = 0; page < tabs.count(); ++page) {
        captions << tabs.tabText(page);
        names << tabs.widget(page)->objectName();
    }
    EXPECT_EQ(captions, QStringList({"Common", "Z", "D", "RS-232", "Wireless", "Bluetooth", "FTP Update"}));
    EXPECT_EQ(names,
              QStringList({"TabSheet5", "TabSheet6", "TabSheet7", "TabSheet8", "TabSheet9", "TabSheet11", "tsFtpUpd"}));
    EXPECT_EQ(tabs.indexOf(&Child(*window, "TabSheet10")), -1);
}

TEST_F(ConfigurationReadTest, anEdition108PrinterFillsEveryControlInInch)
{
    setReports(FullConfigurationReports());
    readPrinter();

    EXPECT_EQ(window->printerConfig().edition, 108);
    // clang-format off
    expectShown({
        {"EditVersion", "V2.03A NORVANE"}, {"EditSerial", "NV2031A0001"}, {"EditCuttingCounter", "1234"},
        {"EditResetCuttingCounter", "56"}, {"EditMilage", "12.5"}, {"EditResetMilage", "3.2"},
        {"EditChecksum", "7A3F9C21"}, {"EditSpeed", "1.5"}, {"ComboBoxDensity", "7"}, {"EditDensityBase", "2"},
        {"EditWidth", "4.00"}, {"EditHeight", "6.00"}, {"ComboBoxMediaSensor", "Black Mark"}, {"EditGapSize", "0.08"},
        {"EditGapOffset", "0.04"}, {"ComboBoxPrintOut", "CUTTER"}, {"EditCutterPiece", "5"}, {"EditReferenceX", "10"},
        {"EditReferenceY", "20"}, {"ComboBoxDirection", "1"}, {"ComboBoxMirror", "1"}, {"EditOffset", "-3"},
        {"EditOffsetBase", "1"}, {"EditShiftY", "6"}, {"EditShiftYBase", "4"}, {"EditShiftX", "-7"},
        {"EditShiftXBase", "3"}, {"ComboBoxRibbon", "ON"}, {"ComboBoxRibbonSensor", "ON"},
        {"ComboBoxRibbonEncoder", "ON"}, {"ComboBoxCodePage", "8859-15"}, {"ComboBoxCountryCode", "049"},
        {"ComboBoxDisplayLanguage", "German"}, {"ComboBoxHead", "ON"}, {"ComboBoxReprint", "OFF"},
        {"EditMaximumLength", "10.00"}, {"EditGapInten", "4"}, {"EditBlineInten", "9"}, {"EditContinuousInten", "2"},
        {"ComboBoxThreshold", "FIXED"}, {"EditDarknessZ", "20"}, {"EditPrintSpeedZ", "6"}, {"EditTearOffZ", "-10"},
        {"ComboBoxPrintModeZ", "Peel Off"}, {"EditPrintWidthZ", "3.00"}, {"EditControlPrefixZ", "#"},
        {"EditFormatPrefixZ", "$"}, {"EditDelimiterCharZ", ";"}, {"ComboBoxMediaPowerUpZ", "Feed"},
        {"ComboBoxHeadCloseZ", "No Motion"}, {"EditLabelTopZ", "12"}, {"EditLeftPositionZ", "-250"},
        {"EditHeatD", "12"}, {"EditPrintSpeedD", "1.5"}, {"EditLabelWidthD", "3.00"},
        {"ComboBoxPresentSensorD", "ON"}, {"ComboBoxCutterEquippedD", "ON"}, {"ComboBoxControlCodesD", "Alternate-2"},
        {"EditColumnOffsetD", "0.10"}, {"EditRowOffsetD", "0.20"}, {"ComboBoxBaudrate", "115200"},
        {"ComboBoxDatabit", "7"}, {"ComboBoxParity", "Even"}, {"ComboBoxStopBit", "2"},
    });
    // clang-format on
    EXPECT_EQ(list("ComboBoxDensity").currentIndex(), 8);
    EXPECT_EQ(list("ComboBoxBaudrate").currentIndex(), 8);
    for (const char* base : {"EditDensityBase", "EditOffsetBase", "EditShiftYBase", "EditShiftXBase"})
        EXPECT_FALSE(edit(base).isHidden()) << base;
    EXPECT_EQ(unitLabels(), QStringList(9, "inch"));
}

TEST_F(ConfigurationReadTest, millimetresUseTheResolutionOfTheRecordRead)
{
    setReport("DPI", "300");
    setReport("PAPERWIDTH", "1200");
    setReport("ZLABELWIDTH", "1200");
    chooseUnit(LengthUnit::Mm);
    readPrinter();

    EXPECT_EQ(edit("EditWidth").text(), "101.69");
    EXPECT_EQ(edit("EditPrintWidthZ").text(), "101.69");
    EXPECT_EQ(unitLabels(), QStringList(9, "mm"));
}

TEST_F(ConfigurationReadTest, theUnitSwitchRelabelsTheNineLabelsAndConvertsNothing)
{
    readPrinter();
    const QMap<QString, QString> shown = pageState();
    const QList<QRadioButton*> units = Child(*window, "RadioGroupUnit").findChildren<QRadioButton*>();

    QTest::mouseClick(units.at(1), Qt::LeftButton);
    EXPECT_EQ(unitLabels(), QStringList(9, "mm"));
    EXPECT_EQ(pageState(), shown);
    EXPECT_EQ(edit("EditWidth").text(), "4.00");
    QTest::mouseClick(units.at(0), Qt::LeftButton);
    EXPECT_EQ(unitLabels(), QStringList(9, "inch"));
    EXPECT_EQ(pageState(), shown);
}

TEST_F(ConfigurationReadTest, anEdition99PrinterEmptiesTheEmulationTabs)
{
    setReports(FullConfigurationReports());
    readPrinter();
    setReports(sim::FactoryReports(99));
    readPrinter();

    for (const char* name : kEmulationEdits)
        EXPECT_EQ(edit(name).text(), "") << name;
    for (const char* name : kEmulationLists)
        EXPECT_EQ(list(name).currentIndex(), -1) << name;
    // Nor is anything asked after the edition.
    EXPECT_EQ(edit("EditMaximumLength").text(), "");
    EXPECT_EQ(list("ComboBoxRibbonSensor").currentIndex(), -1);
    EXPECT_EQ(list("ComboBoxThreshold").currentIndex(), -1);
    EXPECT_EQ(edit("EditSpeed").text(), "4");
    EXPECT_EQ(list("ComboBoxDensity").currentText(), "8");
}

TEST_F(ConfigurationReadTest, valuesWithoutAnItemSelectNothingAndZeroBasesAndCutPiecesHide)
{
    setReports(FullConfigurationReports());
    readPrinter();
    setReport("CODEPAGE", "850 ");
    setReport("BAUDRATE", "0");
    setReport("DENSITYBASE", "0");
    setReport("PRINTOUT", "2");
    readPrinter();

    EXPECT_EQ(list("ComboBoxCodePage").currentIndex(), -1);
    EXPECT_EQ(list("ComboBoxBaudrate").currentIndex(), -1);
    EXPECT_TRUE(edit("EditDensityBase").isHidden());
    EXPECT_EQ(edit("EditDensityBase").text(), "");
    EXPECT_EQ(list("ComboBoxPrintOut").currentText(), "PEEL");
    EXPECT_EQ(edit("EditCutterPiece").text(), "");
}

TEST_F(ConfigurationReadTest, aFailedReadLeavesThePageAndTheRecordAsTheyWere)
{
    setReports(FullConfigurationReports());
    readPrinter();
    const QMap<QString, QString> shown = pageState();
    const PrinterConfig record = window->printerConfig();

    setReports(sim::FactoryReports(108));
    sim.printer.withState([](sim::PrinterState& state) { state.fault = sim::SimFault::NeverAnswer; });
    Click(*window, "ButtonRead");

    EXPECT_EQ(prompts.messages, QStringList{"Data Receiving Error"});
    EXPECT_EQ(pageState(), shown);
    EXPECT_TRUE(window->printerConfig() == record);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(ConfigurationReadTest, clearShowsACleanRecordAndReadIsOffForTheParallelPort)
{
    readPrinter();
    Click(*window, "ButtonClear");
    PrinterConfig cleared;
    ClearConfig(cleared);
    EXPECT_TRUE(window->printerConfig() == cleared);
    EXPECT_EQ(edit("EditVersion").text(), "");
    EXPECT_EQ(edit("EditCuttingCounter").text(), "0");
    EXPECT_EQ(edit("EditSpeed").text(), "");
    EXPECT_EQ(list("ComboBoxDensity").currentIndex(), -1);

    chooseInterface(InterfaceKind::Lpt);
    EXPECT_FALSE(Child<QPushButton>(*window, "ButtonRead").isEnabled());
    chooseInterface(InterfaceKind::Com);
    EXPECT_TRUE(Child<QPushButton>(*window, "ButtonRead").isEnabled());
}

using ConfigurationAtStartTest = MainWindowFixture;

TEST_F(ConfigurationAtStartTest, showsTheRecordReadAtStartOrTheClearedOne)
{
    ui::TFormMain& withPrinter = openWindow(true);
    EXPECT_EQ(Child<QLineEdit>(withPrinter, "EditVersion").text(), "V2.03A NORVANE");
    EXPECT_EQ(Child<QLineEdit>(withPrinter, "EditWidth").text(), "4.00");
    EXPECT_EQ(Child<QTabWidget>(withPrinter, "PageControl2").currentIndex(), 0);

    ui::TFormMain& without = openWindow();
    EXPECT_EQ(Child<QLineEdit>(without, "EditVersion").text(), "");
    EXPECT_EQ(Child<QLineEdit>(without, "EditWidth").text(), "");
    EXPECT_EQ(Child<QComboBox>(without, "ComboBoxDensity").currentIndex(), -1);
    EXPECT_EQ(Child<QLabel>(without, "LabelUnit9").text(), "inch");
}
