#include "protocol/ConfigurationWrite.h"
#include "config/BoundedFile.h"
#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

using namespace norvane;
using namespace norvane::test;

namespace {

constexpr char kDle = '\x10';
const QByteArray kRs(1, '\x1e');

QByteArray zControl(const QByteArray& command)
{
    return kDle + command + kRs + "XA" + kRs + "JUS" + kRs + "XZ\r\n";
}

QByteArray zFormat(const QByteArray& command)
{
    return kRs + "XA" + kRs + command + kRs + "JUS" + kRs + "XZ\r\n";
}

QByteArray dLine(const QByteArray& command)
{
    return "\x02" + command + "\r\r\n~" + command + "\r\r\n~" + command + "|\r\n";
}

} // namespace

/// Writes pages over TCP, where every line below 512 bytes is one chunk, so `lines()` shows each send.
class ConfigurationWriteTest : public ::testing::Test
{
protected:
    ResultCode writePage(std::int32_t page)
    {
        s.device->chunks.clear();
        s.device->written.clear();
        return dispatcher.dispatch<OperationCode::WriteConfigurationPage>(InterfaceKind::Ethernet, write, page);
    }

    QByteArrayList lines() const { return s.device->chunks; }

    QString certificateFile(const QString& name, const QByteArray& contents)
    {
        const QString path = certificates.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
    ConfigPageWrite write;
    PrinterConfig& c = write.config;
    QTemporaryDir certificates;
};

TEST_F(ConfigurationWriteTest, commonPageWithOnlyTheSpeedAlsoSendsTheGapIntensity)
{
    c.unitIsInch = 1;
    c.speed.set(3.0f);
    ASSERT_EQ(writePage(0), ResultCode::Success);
    EXPECT_EQ(lines(), (QByteArrayList{"SPEED 3.0\r\n", "SET GAP 0\r\n"}));
    // A list index that names nothing (the read's "no such code page") has no line to send.
    c.codePage.set(36);
    c.displayLanguage.set(-1);
    writePage(0);
    EXPECT_EQ(lines().size(), 2);
}

TEST_F(ConfigurationWriteTest, commonPageSizesFollowTheRecordsUnit)
{
    c.dpi = 203.0f;
    c.dotsPerMm = 8.0f;
    c.paperWidth.set(812.0f);
    c.paperHeight.set(406.0f);
    c.unitIsInch = 1;
    writePage(0);
    EXPECT_EQ(lines().first(), "SIZE 4.00,2.00\r\n");
    c.unitIsInch = 0;
    writePage(0);
    EXPECT_EQ(lines().first(), "SIZE 101.50 mm,50.75 mm\r\n");
    // Rounded as printf does: an exact tie goes to the even digit.
    c.paperWidth.set(813.0f);
    writePage(0);
    EXPECT_EQ(lines().first(), "SIZE 101.62 mm,50.75 mm\r\n");
    c.paperHeight.valid = 0;
    writePage(0);
    EXPECT_EQ(lines(), QByteArrayList{"SET GAP 0\r\n"});
}

TEST_F(ConfigurationWriteTest, aShiftAloneIsSentWithTheOtherAxisAtZero)
{
    c.shiftY.set(10);
    writePage(0);
    EXPECT_EQ(lines().first(), "SHIFT 10\r\n");
    c.shiftY.valid = 0;
    c.shiftX.set(5);
    writePage(0);
    EXPECT_EQ(lines().first(), "SHIFT 5,0\r\n");
}

TEST_F(ConfigurationWriteTest, theSensorModeDecidesTheGapLineAndTheIntensity)
{
    c.dotsPerMm = 8.0f;
    c.gapIntensity.set(4);
    c.blineIntensity.set(5);
    c.continuousIntensity.value = 6;
    c.gapSize.set(24.0f);
    c.gapOffset.set(0.0f);
    const std::pair<PrinterConfig::Int, QByteArrayList> cases[] = {
        {{1, 0}, {"GAP 3.00 mm,0.00 mm\r\n", "SET GAP 4\r\n"}},
        {{1, 1}, {"BLINE 3.00 mm,0.00 mm\r\n", "SET GAP 5\r\n"}},
        {{0, 1}, {"SET GAP 5\r\n"}},
        {{1, 2}, {"GAP 0,0\r\n", "SET GAP 6\r\n"}},
        {{1, 7}, {}},
    };
    for (const auto& [mode, expected] : cases) {
        c.sensorMode = mode;
        writePage(0);
        EXPECT_EQ(lines(), expected) << mode.value;
    }
    c.sensorMode.set(2); // continuous needs neither gap item
    c.gapSize.valid = 0;
    writePage(0);
    EXPECT_EQ(lines().first(), "GAP 0,0\r\n");
}

TEST_F(ConfigurationWriteTest, thePostPrintActionIsOneThreeLineText)
{
    const std::tuple<std::int32_t, PrinterConfig::Int, QByteArray> cases[] = {
        {0, {}, "SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n"},
        {1, {}, "SET TEAR ON\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n"},
        {2, {}, "SET TEAR OFF\r\nSET PEEL ON\r\nSET CUTTER OFF\r\n"},
        {3, {}, "SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER 1\r\n"},
        {3, {1, 0}, "SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER 1\r\n"},
        {3, {1, 4}, "SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER 4\r\n"},
    };
    for (const auto& [action, pieces, text] : cases) {
        c.printOut.set(action);
        c.cutterPiece = pieces;
        writePage(0);
        EXPECT_EQ(lines().first(), text) << action;
    }
}

TEST_F(ConfigurationWriteTest, aFullCommonPageInInch)
{
    c.unitIsInch = 1;
    c.dpi = 203.0f;
    c.speed.set(4.0f);
    c.density.set(8);
    c.paperWidth.set(812.0f);
    c.paperHeight.set(406.0f);
    c.sensorMode.set(1);
    c.gapSize.set(24.36f);
    c.gapOffset.set(0.0f);
    c.printOut.set(1);
    c.referenceX.set(8);
    c.referenceY.set(16);
    c.direction.set(1);
    c.mirror.set(0);
    c.offset.set(-3);
    c.shiftX.set(5);
    c.shiftY.set(-2);
    c.ribbon.set(1);
    c.ribbonSensor.set(0);
    c.ribbonEncoder.set(2);
    c.codePage.set(10);
    c.countryCode.set(17);
    c.displayLanguage.set(5);
    c.headSensor.set(0);
    c.reprint.set(1);
    c.maxLength.set(2436.5f);
    c.blineIntensity.value = 6;
    c.autoThreshold.set(0);
    ASSERT_EQ(writePage(0), ResultCode::Success);
    EXPECT_EQ(lines(), (QByteArrayList{
                           "SPEED 4.0\r\n",
                           "DENSITY 8\r\n",
                           "SIZE 4.00,2.00\r\n",
                           "BLINE 0.12,0.00\r\n",
                           "SET TEAR ON\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n",
                           "REFERENCE 8,16\r\n",
                           "DIRECTION 1,0\r\n",
                           "OFFSET -3 dot\r\n",
                           "SHIFT 5,-2\r\n",
                           "SET RIBBON ON\r\n",
                           "SET RIBBONEND OFF\r\n",
                           "SET ENCODER ON\r\n",
                           "CODEPAGE 850\r\n",
                           "COUNTRY 049\r\n",
                           "LANGUAGE GERMAN\r\n",
                           "SET HEAD OFF\r\n",
                           "SET REPRINT ON\r\n",
                           "LIMITFEED 2436.50 dot\r\n",
                           "SET GAP 6\r\n",
                           "SET SENSOR_REF MANUAL\r\n",
                       }));
}

TEST_F(ConfigurationWriteTest, aFullZPage)
{
    c.zDarkness.set(15);
    c.zPrintSpeed.set(6);
    c.zTearOff.set(120);
    c.zPrintMode.set(2);
    c.zPrintWidth.set(812);
    c.zControlPrefix.set('~');
    c.zFormatPrefix.set('^');
    c.zDelimiter.set(';');
    c.zPowerUpAction.set(4);
    c.zHeadCloseAction.set(3);
    c.zLabelTop.set(-120);
    c.zLeftPosition.set(9999);
    ASSERT_EQ(writePage(1), ResultCode::Success);
    EXPECT_EQ(lines().first(), QByteArray("\x10SD15\x1eXA\x1eJUS\x1eXZ\r\n"));
    EXPECT_EQ(lines(), (QByteArrayList{zControl("SD15"), zFormat("PR6"), zControl("TA120"), zFormat("MMP"),
                                       zFormat("PW812"), zControl("CT~"), zControl("CC^"), zControl("CD;"),
                                       zFormat("MFN"), zFormat("MF;L"), zFormat("LT-120"), zFormat("LS9999")}));

    // Media actions outside their letters are not sent; the head-close line takes the delimiter unflagged.
    c = PrinterConfig{};
    c.zDarkness.set(5);
    c.zTearOff.set(-5);
    c.zPrintMode.set(4);
    c.zPowerUpAction.set(0);
    c.zHeadCloseAction.set(1);
    writePage(1);
    EXPECT_EQ(lines(), (QByteArrayList{zControl("SD05"), zControl("TA-05"), zFormat("MF,F")}));
}

TEST_F(ConfigurationWriteTest, dLinesGoOutInAllThreeControlCodeSets)
{
    writePage(2);
    EXPECT_TRUE(lines().isEmpty());

    c.dpi = 203.0f;
    c.dHeat.set(7);
    c.dPrintSpeed.set(4.0f);
    c.dLabelWidth.set(812);
    writePage(2);
    EXPECT_EQ(lines(), (QByteArrayList{dLine("KZH07"), dLine("KZPG"), dLine("KcLW0400;")}));
    EXPECT_EQ(lines().first(), QByteArray("\x02KZH07\r\r\n~KZH07\r\r\n~KZH07|\r\n"));
}

TEST_F(ConfigurationWriteTest, aFullDPageInHundredthsOfAnInch)
{
    c.dpi = 203.0f;
    c.dLabelWidth.set(812);
    c.dPresentSensor.set(2);
    c.dCutterEquipped.set(1);
    c.dControlCodes.set(3);
    c.dColumnOffset.set(-20);
    c.dRowOffset.set(0);
    writePage(2);
    EXPECT_EQ(lines(), QByteArrayList{dLine("KcLW0400;PSY;CEN;CC2;CO-009;RO0000;")});

    c.dPresentSensor.set(3);
    c.dControlCodes.set(0);
    c.dLabelWidth.set(1015);
    writePage(2);
    EXPECT_EQ(lines(), QByteArrayList{dLine("KcLW0500;CEN;CO-009;RO0000;")});
}

TEST_F(ConfigurationWriteTest, dSpeedsBecomeLetters)
{
    const std::pair<float, char> cases[] = {{1.0f, 'A'},  {4.0f, 'G'},  {11.5f, 'V'}, {12.0f, 'W'}, {13.0f, 'X'},
                                            {15.0f, 'Z'}, {16.0f, 'a'}, {20.0f, 'e'}, {0.5f, 'G'},  {21.0f, 'G'}};
    for (const auto& [speed, letter] : cases) {
        c.dPrintSpeed.set(speed);
        writePage(2);
        EXPECT_EQ(lines(), QByteArrayList{dLine(QByteArray("KZP") + letter)}) << speed;
    }
}

TEST_F(ConfigurationWriteTest, theSerialPortIsWrittenOnlyWithAllFourItems)
{
    c.comBaudRate.set(8);
    c.comParity.set(0);
    c.comDataBits.set(1);
    writePage(3);
    EXPECT_TRUE(lines().isEmpty());
    c.comStopBits.set(0);
    writePage(3);
    EXPECT_EQ(lines(), QByteArrayList{"SET COM1 115,N,8,1\r\n"});
    c.comBaudRate.set(4);
    c.comParity.set(2);
    c.comDataBits.set(0);
    c.comStopBits.set(1);
    writePage(3);
    EXPECT_EQ(lines(), QByteArrayList{"SET COM1 96,E,7,2\r\n"});
    c.comBaudRate.set(9);
    writePage(3);
    EXPECT_TRUE(lines().isEmpty());
}

TEST_F(ConfigurationWriteTest, theWirelessPageNeedsAWirelessModule)
{
    c.wifiSsid.setText("Lab");
    write.certificates.ca = certificateFile("CA.DER", "cert");
    writePage(4);
    EXPECT_TRUE(s.device->written.isEmpty());
    EXPECT_EQ(c.wifiCaCertName.text(), "");
}

TEST_F(ConfigurationWriteTest, anEmptyWirelessPageResetsTheSettingsOnThePrinter)
{
    c.wifiPresent = 1;
    ASSERT_EQ(writePage(4), ResultCode::Success);
    EXPECT_EQ(lines(), (QByteArrayList{"WLAN SSID \"\"\r\n", "WLAN WPA \"\"\r\n", "WLAN WEP1 \"\"\r\n",
                                       "WLAN EAP 0,0,\"\",\"\"\r\n", "WLAN HOSTNAME \"\"\r\n", "WLAN RF \"\"\r\n",
                                       "WLAN ROAM \"\",\"\"\r\n", "WLAN PORT \"\"\r\n"}));
}

TEST_F(ConfigurationWriteTest, aWpaPageWithAStaticAddress)
{
    c.wifiPresent = 1;
    c.wifiSsid.setText("Lab");
    c.wifiSecurity.set(5);
    c.wifiKey.setText("secret pass");
    c.wifiIp.setText("10.0.0.7");
    c.wifiMask.valid = 0;
    c.wifiMask.value.setText("255.255.255.0");
    c.wifiGateway.setText("10.0.0.1");
    c.wifiHostName.setText("NV-LAB");
    c.wifiBand.setText("5G");
    c.wifiRoamDelta.set(5);
    c.wifiRoamTrigger.value = -70;
    c.wifiRawPort.set(9100);
    writePage(4);
    EXPECT_EQ(lines(),
              (QByteArrayList{"WLAN SSID \"Lab\"\r\n", "WLAN SECURI WPAPSK\r\n", "WLAN WPA \"secret pass\"\r\n",
                              "WLAN WEP1 \"\"\r\n", "WLAN EAP 0,0,\"\",\"\"\r\n",
                              "WLAN IP \"10.0.0.7\",\"255.255.255.0\",\"10.0.0.1\"\r\n", "WLAN HOSTNAME \"NV-LAB\"\r\n",
                              "WLAN RF \"5G\"\r\n", "WLAN ROAM \"-70\",\"5\"\r\n", "WLAN PORT \"9100\"\r\n"}));
}

TEST_F(ConfigurationWriteTest, wepSecurityAndDhcp)
{
    c.wifiPresent = 1;
    c.wifiSecurity.set(3);
    c.wifiKey.setText("abcde");
    c.wifiIp.setText("0.0.0.0");
    c.wifiGateway.setText("10.0.0.1");
    writePage(4);
    EXPECT_EQ(lines().mid(1, 5), (QByteArrayList{"WLAN SECURI WEP3\r\n", "WLAN WPA \"\"\r\n", "WLAN WEP3 \"abcde\"\r\n",
                                                 "WLAN EAP 0,0,\"\",\"\"\r\n", "WLAN DHCP\r\n"}));
    EXPECT_FALSE(s.device->written.contains("WLAN IP"));

    c.wifiIp.setText("10.0.0.7");
    c.wifiGateway.valid = 0;
    writePage(4);
    EXPECT_FALSE(s.device->written.contains("WLAN IP"));
    EXPECT_FALSE(s.device->written.contains("WLAN DHCP"));
}

TEST_F(ConfigurationWriteTest, enterpriseSecuritySendsEapAndTheCertificateFilesWhole)
{
    c.wifiPresent = 1;
    c.wifiSecurity.set(6);
    c.wifiEap.set(0x10);
    c.wifiUsername.setText("tech");
    c.wifiPassword.setText("pw");
    c.wifiClientCertName.setText("OLD.DER");
    const QByteArray der("\x30\x82\x00\r\n}\xff", 8);
    write.certificates.ca = certificateFile("CA.DER", der);
    write.certificates.privateKey = certificateFile("A-VERY-LONG-KEY-NAME.PEM", "key");

    ASSERT_EQ(writePage(4), ResultCode::Success);
    const QByteArrayList sent = lines();
    EXPECT_EQ(sent[1], "WLAN SECURI WPAEAP\r\n");
    EXPECT_EQ(sent[4], "WLAN EAP 1,1,\"tech\",\"pw\"\r\n");
    EXPECT_EQ(sent[5], "DLCERT 1,\"CA.DER\",8," + der + "\r\n");
    EXPECT_EQ(sent[6], "DLCERT 3,\"A-VERY-LONG-KEY\",3,key\r\n");
    EXPECT_EQ(sent[7], "WLAN HOSTNAME \"\"\r\n");
    EXPECT_EQ(c.wifiCaCertName.text(), "CA.DER");
    EXPECT_EQ(c.wifiClientCertName.text(), "OLD.DER");
    EXPECT_EQ(c.wifiPrivateKeyName.text(), "A-VERY-LONG-KEY");

    c.wifiEap.set(0x23);
    writePage(4);
    EXPECT_EQ(lines()[4], "WLAN EAP 2,3,\"tech\",\"pw\"\r\n");
}

TEST_F(ConfigurationWriteTest, aCertificateThatCannotBeReadSendsNothing)
{
    c.wifiPresent = 1;
    write.certificates.ca = certificateFile("CA.DER", "ca");
    write.certificates.client = certificates.filePath("MISSING.DER");
    EXPECT_EQ(writePage(4), ResultCode::FileOpenError);
    write.certificates.client = certificates.path(); // a folder
    EXPECT_EQ(writePage(4), ResultCode::FileOpenError);
    write.certificates.client = certificateFile("HUGE.PEM", QByteArray(kCertificateFileLimit + 1, 'k'));
    EXPECT_EQ(writePage(4), ResultCode::FileOpenError);
    EXPECT_TRUE(s.device->written.isEmpty());
    EXPECT_EQ(s.device->opens, 0);
}

TEST_F(ConfigurationWriteTest, aCertificateLargerThanTheUsualBufferIsSentWhole)
{
    c.wifiPresent = 1;
    QByteArray large(10000, '\0');
    for (qsizetype i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>(i * 7);
    write.certificates.client = certificateFile("BIG.PEM", large);
    ASSERT_EQ(writePage(4), ResultCode::Success);
    EXPECT_TRUE(s.device->written.contains("DLCERT 2,\"BIG.PEM\",10000," + large + "\r\nWLAN HOSTNAME"));
}

TEST_F(ConfigurationWriteTest, bluetoothAndFtpUpdatePages)
{
    c.btPinCode.setText("0000");
    c.btName.setText("NV");
    writePage(5);
    EXPECT_TRUE(lines().isEmpty());
    c.btPresent = 1;
    writePage(5);
    EXPECT_EQ(lines(), (QByteArrayList{"BT PINCODE \"0000\"\r\n", "BT NAME \"NV\"\r\n"}));
    c.btPinCode.valid = 0;
    c.btName.valid = 0;
    writePage(5);
    EXPECT_TRUE(lines().isEmpty());

    c.ftpEnable.set(1);
    c.ftpServer.setText("10.0.0.2");
    c.ftpPath.setText("/fw");
    c.ftpDescriptionFile.setText("desc.txt");
    c.ftpUser.setText("ftp");
    c.ftpPassword.setText("");
    writePage(6);
    EXPECT_EQ(lines(),
              (QByteArrayList{"FTPUPD ENABLE \"1\"\r\n", "FTPUPD SRVIP \"10.0.0.2\"\r\n", "FTPUPD PATH \"/fw\"\r\n",
                              "FTPUPD DESCFILE \"desc.txt\"\r\n", "FTPUPD ID \"ftp\"\r\n", "FTPUPD PSWD \"\"\r\n"}));
}

TEST_F(ConfigurationWriteTest, otherPageNumbersWriteNothing)
{
    c.speed.set(3.0f);
    for (std::int32_t page : {7, -1, 10}) {
        EXPECT_EQ(writePage(page), ResultCode::Success);
        EXPECT_TRUE(s.device->written.isEmpty());
    }
}

TEST_F(ConfigurationWriteTest, failuresStopTheWriteWithoutRollingBack)
{
    c.speed.set(3.0f);
    c.density.set(8);
    s.device->refuseOpen = true;
    EXPECT_EQ(writePage(0), ResultCode::PortOpenError);
    EXPECT_TRUE(s.device->written.isEmpty());
    s.device->refuseOpen = false;

    s.device->failChunk = 1;
    EXPECT_EQ(writePage(0), ResultCode::DataTransmissionError);
    EXPECT_EQ(s.device->written, "SPEED 3.0\r\n");
}

TEST_F(ConfigurationWriteTest, aTextThePrintersQuotesCannotCarrySendsNothing)
{
    c.wifiPresent = 1;
    c.wifiSsid.setText("Joe's \"fast\" net");
    EXPECT_EQ(UnsendableTextField(write, 4), QByteArray("wifiSsid"));
    EXPECT_EQ(writePage(4), ResultCode::UnknowError);
    EXPECT_TRUE(s.device->written.isEmpty());

    c.wifiSsid.valid = 0; // an unset text is not sent, so it cannot harm
    EXPECT_FALSE(UnsendableTextField(write, 4));
    c.btPresent = 1;
    c.btName.setText("NAME\r\nINITIALPRINTER");
    EXPECT_EQ(UnsendableTextField(write, 5), QByteArray("btName"));
    write.certificates.ca = certificates.filePath("A\"B.PEM");
    EXPECT_EQ(UnsendableTextField(write, 4), QByteArray("wifiCaCertName"));
    c.zDelimiter.set('\n');
    EXPECT_EQ(UnsendableTextField(write, 1), QByteArray("zDelimiter"));
    EXPECT_FALSE(UnsendableTextField(write, 0));
}

TEST_F(ConfigurationWriteTest, textsSentWhateverTheirFlagCannotSmuggleCommands)
{
    // These go out even when their item is not set, so a file with a clear flag and a crafted text must not
    // reach the printer either.
    c.wifiPresent = 1;
    const auto smuggled = [](auto& item) {
        item.setText("x\"\r\nFACTORYDEFAULT\r\nRESET\r\n\"");
        item.valid = 0;
    };
    c.wifiSecurity.set(5);
    smuggled(c.wifiKey);
    EXPECT_EQ(UnsendableTextField(write, 4), QByteArray("wifiKey"));
    EXPECT_EQ(writePage(4), ResultCode::UnknowError);

    c.wifiKey.setText("passphrase");
    c.wifiSecurity.set(6);
    smuggled(c.wifiUsername);
    EXPECT_EQ(UnsendableTextField(write, 4), QByteArray("wifiUsername"));
    c.wifiUsername.setText("tech");
    smuggled(c.wifiPassword);
    EXPECT_EQ(UnsendableTextField(write, 4), QByteArray("wifiPassword"));
    c.wifiPassword.setText("pw");

    c.wifiIp.setText("10.0.0.2");
    c.wifiGateway.setText("10.0.0.1");
    smuggled(c.wifiMask);
    EXPECT_EQ(UnsendableTextField(write, 4), QByteArray("wifiMask"));
    EXPECT_EQ(writePage(4), ResultCode::UnknowError);
    EXPECT_TRUE(s.device->written.isEmpty());
    EXPECT_EQ(s.device->opens, 0);
}

TEST_F(ConfigurationWriteTest, aNumberThatIsNoNumberIsNeverWritten)
{
    c.speed.set(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(UnsendableTextField(write, 0), QByteArray("speed"));
    c.speed.set(3.0f);
    c.paperWidth.set(400);
    c.paperHeight.set(200);
    c.dpi = 0;
    c.unitIsInch = 1;
    EXPECT_EQ(UnsendableTextField(write, 0), QByteArray("paperWidth"));
    EXPECT_EQ(writePage(0), ResultCode::UnknowError);
    EXPECT_TRUE(s.device->written.isEmpty());
}
