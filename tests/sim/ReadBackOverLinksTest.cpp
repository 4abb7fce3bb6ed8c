#include "ReadOnlySettings.h"
#include "SimPrinter.h"
#include "config/PrinterConfig.h"
#include "protocol/ConfigurationWrite.h"
#include "verify/PageReadBack.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

/// Writes pages to the virtual printer over TCP and compares them with what it reports afterwards.
class ReadBackOverLinksTest : public ::testing::Test
{
protected:
    PrinterConfig read()
    {
        PrinterConfig config;
        EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Ethernet, config, 1),
                  ResultCode::Success);
        return config;
    }

    QList<UnkeptSetting> writeAndCompare(const PrinterConfig& config, ConfigPage page)
    {
        ConfigPageWrite write{config, {}};
        const auto number = static_cast<std::int32_t>(page);
        EXPECT_EQ(
            sim.dispatcher->dispatch<OperationCode::WriteConfigurationPage>(InterfaceKind::Ethernet, write, number),
            ResultCode::Success);
        return SettingsNotKept(write.config, read(), number);
    }

    void makeReadOnly(const char* names)
    {
        sim.printer.withState([&](sim::PrinterState& state) {
            QString error;
            ASSERT_TRUE(sim::SetReadOnlySettings(QLatin1StringView(names), state, error)) << error.toStdString();
        });
    }

    /// A configuration read from the printer with a new value on every page.
    PrinterConfig changedConfig()
    {
        PrinterConfig c = read();
        c.unitIsInch = 0;
        c.speed.set(6.0f);
        c.density.set(12);
        c.paperWidth.set(50.25f * c.dotsPerMm);
        c.paperHeight.set(30.33f * c.dotsPerMm);
        c.sensorMode.set(1);
        c.gapSize.set(3.07f * c.dotsPerMm);
        c.gapOffset.set(1.0f * c.dotsPerMm);
        c.printOut.set(3);
        c.cutterPiece.set(2);
        c.referenceX.set(10);
        c.referenceY.set(20);
        c.direction.set(1);
        c.mirror.set(1);
        c.offset.set(-4);
        c.shiftX.set(3);
        c.shiftY.set(-7);
        c.ribbon.set(0);
        c.codePage.set(3);
        c.countryCode.set(5);
        c.displayLanguage.set(2);
        c.headSensor.set(1);
        c.reprint.set(0);
        c.maxLength.set(1234.5f);
        c.blineIntensity.set(3);
        c.autoThreshold.set(0);
        c.zDarkness.set(22);
        c.zPrintSpeed.set(6);
        c.zTearOff.set(-12);
        c.zPrintMode.set(2);
        c.zPrintWidth.set(600);
        c.zControlPrefix.set('#');
        c.zPowerUpAction.set(3);
        c.zHeadCloseAction.set(2);
        c.zLabelTop.set(5);
        c.zLeftPosition.set(-9);
        c.dHeat.set(14);
        c.dPrintSpeed.set(5.2f);
        c.dLabelWidth.set(777);
        c.dPresentSensor.set(2);
        c.dCutterEquipped.set(1);
        c.dControlCodes.set(2);
        c.dColumnOffset.set(41);
        c.dRowOffset.set(9);
        c.comBaudRate.set(6);
        c.comDataBits.set(0);
        c.comParity.set(2);
        c.comStopBits.set(1);
        c.wifiSsid.setText("Shop Floor");
        c.wifiSecurity.set(5);
        c.wifiKey.setText("a long passphrase");
        c.wifiIp.setText("10.0.0.9");
        c.wifiMask.setText("255.0.0.0");
        c.wifiGateway.setText("10.0.0.1");
        c.wifiHostName.setText("LINE3");
        c.wifiRoamTrigger.set(-65);
        c.wifiRoamDelta.set(8);
        c.wifiRawPort.set(9101);
        c.btPinCode.setText("4321");
        c.btName.setText("Label 7");
        c.ftpEnable.set(1);
        c.ftpServer.setText("10.0.0.2");
        c.ftpPath.setText("/fw");
        c.ftpUser.setText("tech");
        c.ftpPassword.setText("pw");
        return c;
    }

    SimPrinter sim;
};

TEST_F(ReadBackOverLinksTest, everyPageOfAPrinterThatTakesEverythingReadsBackAsSent)
{
    const PrinterConfig config = changedConfig();
    for (const ConfigPage page :
         {ConfigPage::Common, ConfigPage::ZEmulation, ConfigPage::DEmulation, ConfigPage::SerialPort,
          ConfigPage::Wireless, ConfigPage::Bluetooth, ConfigPage::FtpUpdate}) {
        const auto unkept = writeAndCompare(config, page);
        for (const UnkeptSetting& setting : unkept)
            ADD_FAILURE() << "page " << static_cast<int>(page) << ": " << UnkeptSettingJson(setting).toStdString();
    }
    // Inches round the lengths differently; they still come back within what the text carried.
    PrinterConfig inches = config;
    inches.unitIsInch = 1;
    inches.paperWidth.set(2.013f * inches.dpi);
    EXPECT_TRUE(writeAndCompare(inches, ConfigPage::Common).isEmpty());
}

TEST_F(ReadBackOverLinksTest, theSettingsAPrinterKeptAreReportedWithBothValues)
{
    makeReadOnly("SPEED,PAPERHEIGHT,DLABELWIDTH,WIFISSID");
    const PrinterConfig config = changedConfig();

    const auto common = writeAndCompare(config, ConfigPage::Common);
    ASSERT_EQ(common.size(), 2);
    EXPECT_EQ(UnkeptSettingJson(common[0]), R"({"field": "speed", "sent": 6, "read": 4})");
    EXPECT_EQ(common[1].field, "paperHeight");
    EXPECT_NEAR(common[1].sent.toDouble(), 30.33 * config.dotsPerMm, 0.01);

    const auto d = writeAndCompare(config, ConfigPage::DEmulation);
    ASSERT_EQ(d.size(), 1);
    EXPECT_EQ(UnkeptSettingJson(d[0]), R"({"field": "dLabelWidth", "sent": 777, "read": 812})");

    const auto wireless = writeAndCompare(config, ConfigPage::Wireless);
    ASSERT_EQ(wireless.size(), 1);
    EXPECT_EQ(wireless[0].field, "wifiSsid");
}
