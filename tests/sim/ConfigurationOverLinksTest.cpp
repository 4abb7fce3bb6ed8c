#include "PrinterProfile.h"
#include "SimPrinter.h"
#include "config/PrinterConfig.h"
#include "protocol/ConfigurationWrite.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

class ConfigurationOverLinksTest : public ::testing::Test
{
protected:
    void useEdition(int edition)
    {
        sim.printer.withState([&](sim::PrinterState& state) { state.reports = sim::FactoryReports(edition); });
    }

    PrinterConfig read(ResultCode expected = ResultCode::Success)
    {
        PrinterConfig config;
        EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Ethernet, config, 1),
                  expected);
        return config;
    }

    /// Writes one page of `config` and reads the whole configuration back.
    PrinterConfig writeAndReadBack(const PrinterConfig& config, ConfigPage page, CertificatePaths certificates = {})
    {
        ConfigPageWrite write{config, std::move(certificates)};
        EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::WriteConfigurationPage>(InterfaceKind::Ethernet, write,
                                                                                  static_cast<std::int32_t>(page)),
                  ResultCode::Success);
        return read();
    }

    SimPrinter sim;
};

TEST_F(ConfigurationOverLinksTest, aFullPrinterIsReadWithEveryGroup)
{
    const PrinterConfig config = read();
    EXPECT_EQ(config.edition, 108);
    EXPECT_FLOAT_EQ(config.dpi, 203.0f);
    EXPECT_FLOAT_EQ(config.dotsPerMm, 8.0f);
    EXPECT_EQ(config.version.text(), "V2.03A NORVANE");
    EXPECT_EQ(config.serialNumber.text(), "NV2031A0001");
    EXPECT_EQ(config.codePage.value, 10);
    EXPECT_EQ(config.zPrintSpeed.value, 4); // answered as the letter C
    EXPECT_FLOAT_EQ(config.dPrintSpeed.value, 4.0f);
    EXPECT_TRUE(config.maxLength.isSet());
    EXPECT_TRUE(config.autoThreshold.isSet());
    EXPECT_EQ(config.wifiPresent, 1);
    EXPECT_EQ(config.btPresent, 1);
    EXPECT_EQ(config.wifiMac.text(), "00:1B:82:4C:00:01");
    EXPECT_EQ(config.btVersion.text(), "4.2");
    EXPECT_TRUE(config.displayLanguage.isSet());
}

TEST_F(ConfigurationOverLinksTest, eachEditionIsAskedOnlyWhatItKnows)
{
    useEdition(106);
    PrinterConfig config = read();
    EXPECT_TRUE(config.ftpEnable.isSet());
    EXPECT_FALSE(config.btVersion.isSet());
    EXPECT_FALSE(config.displayLanguage.isSet());

    useEdition(104);
    config = read();
    EXPECT_TRUE(config.ribbonSensor.isSet());
    EXPECT_EQ(config.wifiPresent, 0);
    EXPECT_FALSE(config.btName.isSet());

    useEdition(102);
    config = read();
    EXPECT_TRUE(config.maxLength.isSet());
    EXPECT_FALSE(config.ribbonEncoder.isSet());

    useEdition(99);
    config = read();
    EXPECT_EQ(config.edition, 99);
    EXPECT_FALSE(config.zDarkness.isSet());
    EXPECT_FALSE(config.dHeat.isSet());
    EXPECT_FALSE(config.maxLength.isSet());
    EXPECT_TRUE(sim.printer.commands().last().endsWith("EDITION")); // nothing asked after it
}

TEST_F(ConfigurationOverLinksTest, theCommonPageComesBackInInchAndInMillimetres)
{
    PrinterConfig config = read();
    config.unitIsInch = 1;
    config.speed.set(3.0f);
    config.density.set(12);
    config.paperWidth.set(609.0f);
    config.paperHeight.set(406.0f);
    config.sensorMode.set(1);
    config.gapSize.set(24.36f);
    config.gapOffset.set(0.0f);
    config.printOut.set(3);
    config.cutterPiece.set(5);
    config.referenceX.set(10);
    config.referenceY.set(20);
    config.direction.set(1);
    config.mirror.set(1);
    config.offset.set(-3);
    config.shiftX.set(5);
    config.shiftY.set(-7);
    config.ribbon.set(0);
    config.ribbonSensor.set(0);
    config.codePage.set(18);
    config.countryCode.set(17);
    config.displayLanguage.set(5);
    config.headSensor.set(0);
    config.reprint.set(0);
    config.maxLength.set(1218.0f);
    config.blineIntensity.set(6);
    config.autoThreshold.set(0);

    PrinterConfig back = writeAndReadBack(config, ConfigPage::Common);
    EXPECT_FLOAT_EQ(back.speed.value, 3.0f);
    EXPECT_EQ(back.density.value, 12);
    EXPECT_FLOAT_EQ(back.paperWidth.value, 609.0f);
    EXPECT_FLOAT_EQ(back.paperHeight.value, 406.0f);
    EXPECT_EQ(back.sensorMode.value, 1);
    EXPECT_NEAR(back.gapSize.value, 24.36f, 0.005);
    EXPECT_EQ(back.printOut.value, 3);
    EXPECT_EQ(back.cutterPiece.value, 5);
    EXPECT_EQ(back.referenceY.value, 20);
    EXPECT_EQ(back.mirror.value, 1);
    EXPECT_EQ(back.offset.value, -3);
    EXPECT_EQ(back.shiftX.value, 5);
    EXPECT_EQ(back.shiftY.value, -7);
    EXPECT_EQ(back.ribbonSensor.value, 0);
    EXPECT_EQ(back.codePage.value, 18);
    EXPECT_EQ(back.countryCode.value, 17);
    EXPECT_EQ(back.displayLanguage.value, 5);
    EXPECT_EQ(back.reprint.value, 0);
    EXPECT_FLOAT_EQ(back.maxLength.value, 1218.0f);
    EXPECT_EQ(back.blineIntensity.value, 6);
    EXPECT_EQ(back.autoThreshold.value, 0);

    config.unitIsInch = 0;
    config.paperWidth.set(812.0f);
    config.sensorMode.set(2);
    back = writeAndReadBack(config, ConfigPage::Common);
    EXPECT_FLOAT_EQ(back.paperWidth.value, 812.0f);
    EXPECT_EQ(back.sensorMode.value, 2);
    EXPECT_EQ(back.continuousIntensity.value, config.continuousIntensity.value);
}

TEST_F(ConfigurationOverLinksTest, theEmulationPagesComeBack)
{
    PrinterConfig config = read();
    config.zDarkness.set(20);
    config.zPrintSpeed.set(6);
    config.zTearOff.set(-5);
    config.zPrintMode.set(2);
    config.zPrintWidth.set(600);
    config.zControlPrefix.set('+');
    config.zFormatPrefix.set('%');
    config.zDelimiter.set(';');
    config.zPowerUpAction.set(3);
    config.zHeadCloseAction.set(4);
    config.zLabelTop.set(10);
    config.zLeftPosition.set(-100);
    PrinterConfig back = writeAndReadBack(config, ConfigPage::ZEmulation);
    for (auto item : {&PrinterConfig::zDarkness, &PrinterConfig::zPrintSpeed, &PrinterConfig::zTearOff,
                      &PrinterConfig::zPrintMode, &PrinterConfig::zPrintWidth, &PrinterConfig::zPowerUpAction,
                      &PrinterConfig::zHeadCloseAction, &PrinterConfig::zLabelTop, &PrinterConfig::zLeftPosition})
        EXPECT_EQ(back.*item, config.*item);
    EXPECT_EQ(back.zControlPrefix, config.zControlPrefix);
    EXPECT_EQ(back.zFormatPrefix, config.zFormatPrefix);
    EXPECT_EQ(back.zDelimiter, config.zDelimiter);

    config.dHeat.set(12);
    config.dPrintSpeed.set(6.0f);
    config.dLabelWidth.set(812);
    config.dPresentSensor.set(2);
    config.dCutterEquipped.set(1);
    config.dControlCodes.set(3);
    config.dColumnOffset.set(203);
    config.dRowOffset.set(406);
    back = writeAndReadBack(config, ConfigPage::DEmulation);
    EXPECT_EQ(back.dHeat, config.dHeat);
    EXPECT_EQ(back.dPrintSpeed, config.dPrintSpeed);
    for (auto item : {&PrinterConfig::dLabelWidth, &PrinterConfig::dPresentSensor, &PrinterConfig::dCutterEquipped,
                      &PrinterConfig::dControlCodes, &PrinterConfig::dColumnOffset, &PrinterConfig::dRowOffset})
        EXPECT_EQ(back.*item, config.*item);
}

TEST_F(ConfigurationOverLinksTest, theSerialBluetoothAndFirmwareUpdatePagesComeBack)
{
    PrinterConfig config = read();
    config.comBaudRate.set(8);
    config.comDataBits.set(0);
    config.comParity.set(2);
    config.comStopBits.set(1);
    PrinterConfig back = writeAndReadBack(config, ConfigPage::SerialPort);
    EXPECT_EQ(back.comBaudRate.value, 8);
    EXPECT_EQ(back.comDataBits.value, 0);
    EXPECT_EQ(back.comParity.value, 2);
    EXPECT_EQ(back.comStopBits.value, 1);

    config.btPinCode.setText("4321");
    config.btName.setText("PACKING-2");
    back = writeAndReadBack(config, ConfigPage::Bluetooth);
    EXPECT_EQ(back.btPinCode.text(), "4321");
    EXPECT_EQ(back.btName.text(), "PACKING-2");

    config.ftpEnable.set(1);
    config.ftpServer.setText("10.1.1.1");
    config.ftpPath.setText("/firmware");
    config.ftpDescriptionFile.setText("update.txt");
    config.ftpUser.setText("service");
    config.ftpPassword.setText("s3cret");
    back = writeAndReadBack(config, ConfigPage::FtpUpdate);
    EXPECT_EQ(back.ftpEnable.value, 1);
    EXPECT_EQ(back.ftpPath.text(), "/firmware");
    EXPECT_EQ(back.ftpPassword.text(), "s3cret");
}

TEST_F(ConfigurationOverLinksTest, theWirelessPageComesBackWithItsCertificates)
{
    QTemporaryDir dir;
    QByteArray certificate("-----BEGIN CERTIFICATE-----\r\n");
    certificate.append(QByteArray(9000, '\x01')).append("\r\n-----END CERTIFICATE-----\r\n");
    QFile file(dir.filePath("ROOTCA.PEM"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(certificate);
    file.close();

    PrinterConfig config = read();
    config.wifiSsid.setText("Shop Floor");
    config.wifiSecurity.set(6);
    config.wifiEap.set(1 << 4 | 1);
    config.wifiUsername.setText("tech");
    config.wifiPassword.setText("pw");
    config.wifiIp.setText("10.0.0.9");
    config.wifiMask.setText("255.0.0.0");
    config.wifiGateway.setText("10.0.0.1");
    config.wifiHostName.setText("LINE3");
    config.wifiBand.setText("5");
    config.wifiRoamTrigger.set(-65);
    config.wifiRoamDelta.set(8);
    config.wifiRawPort.set(9101);
    PrinterConfig back = writeAndReadBack(config, ConfigPage::Wireless, {file.fileName(), {}, {}});
    EXPECT_EQ(back.wifiSsid.text(), "Shop Floor");
    EXPECT_EQ(back.wifiSecurity.value, 6);
    EXPECT_EQ(back.wifiEap.value, 17);
    EXPECT_EQ(back.wifiUsername.text(), "tech");
    EXPECT_EQ(back.wifiCaCertName.text(), "ROOTCA.PEM");
    EXPECT_EQ(sim.printer.snapshot().wireless.certificates.value("ROOTCA.PEM"), certificate);
    EXPECT_EQ(back.wifiGateway.text(), "10.0.0.1");
    EXPECT_EQ(back.wifiHostName.text(), "LINE3");
    EXPECT_EQ(back.wifiRoamTrigger.value, -65);
    EXPECT_EQ(back.wifiRawPort.value, 9101);

    config.wifiSecurity.set(2);
    config.wifiKey.setText("ABCDE");
    config.wifiIp.setText("0.0.0.0");
    back = writeAndReadBack(config, ConfigPage::Wireless);
    EXPECT_EQ(back.wifiSecurity.value, 2);
    EXPECT_EQ(back.wifiKey.text(), "ABCDE");
    EXPECT_EQ(back.wifiIp.text(), "0.0.0.0");

    config.wifiSecurity.set(5);
    config.wifiKey.setText("a long pass phrase");
    back = writeAndReadBack(config, ConfigPage::Wireless);
    EXPECT_EQ(back.wifiSecurity.value, 5);
    EXPECT_EQ(back.wifiKey.text(), "a long pass phrase");
}
