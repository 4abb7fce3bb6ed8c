#include "VirtualPrinter.h"

#include <gtest/gtest.h>

using namespace norvane::sim;

class SettingCommandsTest : public ::testing::Test
{
protected:
    /// Sends `bytes` to the printer; what its reports say afterwards.
    QMap<QByteArray, QByteArray> after(const QByteArray& bytes)
    {
        session->receive(bytes);
        return printer.snapshot().reports;
    }

    VirtualPrinter printer;
    std::unique_ptr<PrinterSession> session = printer.openSession();
};

TEST_F(SettingCommandsTest, lengthsArriveInInchOrMillimetresAndAreKeptInDots)
{
    auto reports = after("SIZE 2.00,1.50\r\nGAP 0.12,0.00\r\n");
    EXPECT_EQ(reports["PAPERWIDTH"], "406.00");
    EXPECT_EQ(reports["PAPERHEIGHT"], "304.50");
    EXPECT_EQ(reports["SENSORMODE"], "0");
    EXPECT_EQ(reports["GAPSIZE"], "24.36");

    reports = after("SIZE 101.50 mm,50.75 mm\r\nBLINE 3.00 mm,1.00 mm\r\nLIMITFEED 2436.00 dot\r\n");
    EXPECT_EQ(reports["PAPERWIDTH"], "812.00"); // 203 dpi is 8.0 dots per millimetre
    EXPECT_EQ(reports["PAPERHEIGHT"], "406.00");
    EXPECT_EQ(reports["SENSORMODE"], "1");
    EXPECT_EQ(reports["GAPOFFSET"], "8.00");
    EXPECT_EQ(reports["MAXLENGTH"], "2436.00");

    reports = after("GAP 0,0\r\nSET GAP 4\r\n");
    EXPECT_EQ(reports["SENSORMODE"], "2");
    EXPECT_EQ(reports["CONINTEN"], "4");
    EXPECT_EQ(reports["GAPINTEN"], "5");
}

TEST_F(SettingCommandsTest, thePostPrintTripleSetsOneAction)
{
    EXPECT_EQ(after("SET TEAR OFF\r\nSET PEEL ON\r\nSET CUTTER OFF\r\n")["PRINTOUT"], "2");
    const auto reports = after("SET TEAR OFF\r\nSET PEEL OFF\r\nSET CUTTER 5\r\n");
    EXPECT_EQ(reports["PRINTOUT"], "3");
    EXPECT_EQ(reports["CUTTERPIECE"], "5");
    EXPECT_EQ(after("SET TEAR ON\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n")["PRINTOUT"], "1");
}

TEST_F(SettingCommandsTest, plainSettingsAndTheSerialPort)
{
    const auto reports = after("SPEED 3.5\r\nDENSITY 12\r\nREFERENCE 10,20\r\nDIRECTION 1,1\r\nOFFSET -3 dot\r\n"
                               "SHIFT 5,-7\r\nSET RIBBON OFF\r\nSET RIBBONEND ON\r\nSET ENCODER OFF\r\n"
                               "CODEPAGE 1252\r\nCOUNTRY 049\r\nLANGUAGE GERMAN\r\nSET HEAD OFF\r\n"
                               "SET REPRINT OFF\r\nSET SENSOR_REF MANUAL\r\nSET COM1 115,E,7,2\r\n");
    EXPECT_EQ(reports["SPEED"], "3.5");
    EXPECT_EQ(reports["DENSITY"], "12");
    EXPECT_EQ(reports["REFERENCEY"], "20");
    EXPECT_EQ(reports["MIRROR"], "1");
    EXPECT_EQ(reports["OFFSET"], "-3");
    EXPECT_EQ(reports["SHIFTX"], "5");
    EXPECT_EQ(reports["SHIFT"], "-7");
    EXPECT_EQ(reports["RIBBON"], "0");
    EXPECT_EQ(reports["RIBBONSENSOR"], "1");
    EXPECT_EQ(reports["CODEPAGE"], "1252");
    EXPECT_EQ(reports["LANGUAGE"], "GERMAN");
    EXPECT_EQ(reports["REPRINT"], "0");
    EXPECT_EQ(reports["AUTOTHRESHOLD"], "0");
    EXPECT_EQ(reports["BAUDRATE"], "115200");
    EXPECT_EQ(reports["PARITY"], "Even");
    EXPECT_EQ(reports["DATABIT"], "7");
    EXPECT_EQ(reports["STOPBIT"], "2");
}

TEST_F(SettingCommandsTest, zCommandsAreUnwrappedFromEitherPrefix)
{
    const auto reports = after("\x10SD05\x1eXA\x1eJUS\x1eXZ\r\n"
                               "\x1eXA\x1ePR8\x1eJUS\x1eXZ\r\n"
                               "\x10TA-05\x1eXA\x1eJUS\x1eXZ\r\n"
                               "\x1eXA\x1eMMP\x1eJUS\x1eXZ\r\n"
                               "\x10"
                               "CT+\x1eXA\x1eJUS\x1eXZ\r\n"
                               "\x1eXA\x1eMFL\x1eJUS\x1eXZ\r\n"
                               "\x1eXA\x1eMF,N\x1eJUS\x1eXZ\r\n"
                               "\x1eXA\x1eLS-9999\x1eJUS\x1eXZ\r\n");
    EXPECT_EQ(reports["ZDARKNESS"], "05");
    EXPECT_EQ(reports["ZSPEED"], "8");
    EXPECT_EQ(reports["ZPOSITION"], "-05");
    EXPECT_EQ(reports["ZPRINTMODE"], "P");
    EXPECT_EQ(reports["ZCONTROL"], "+");
    EXPECT_EQ(reports["ZFEEDPOWERUP"], "L");
    EXPECT_EQ(reports["ZFEEDHEADCLOSE"], "N");
    EXPECT_EQ(reports["ZLABELSHIFT"], "-9999");
}

TEST_F(SettingCommandsTest, dCommandsCountInEveryControlCodeSet)
{
    auto reports = after("\x02KZH07\r\r\n~KZH07\r\r\n~KZH07|\r\n");
    EXPECT_EQ(reports["DHEAT"], "07");
    reports = after("~KcLW0400;PSY;CEN;CC2;CO0050;RO0100;|\r\n\x02KZPW\r\r\n");
    EXPECT_EQ(reports["DLABELWIDTH"], "812");
    EXPECT_EQ(reports["DPRESENTSENSOR"], "E");
    EXPECT_EQ(reports["DCUTTEREQUIPPED"], "N");
    EXPECT_EQ(reports["DCONTROLCODES"], "2");
    EXPECT_EQ(reports["DCOLUMNOFFSET"], "102");
    EXPECT_EQ(reports["DROWOFFSET"], "203");
    EXPECT_EQ(reports["DSPEED"], "W");
}

TEST_F(SettingCommandsTest, wirelessLinesAndCertificatesWithTheirBinaryData)
{
    const QByteArray certificate = QByteArrayLiteral("-----BEGIN\r\n\x00\x1b\r\n-----END");
    auto reports = after("WLAN SSID \"Shop Floor\"\r\nWLAN SECURI WPAEAP\r\nWLAN WPA \"\"\r\nWLAN WEP1 \"\"\r\n"
                         "WLAN EAP 1,2,\"tech\",\"pa,ss\"\r\nDLCERT 1,\"CA.PEM\",24," +
                         certificate +
                         "\r\nWLAN IP \"10.0.0.9\",\"255.0.0.0\",\"10.0.0.1\"\r\n"
                         "WLAN HOSTNAME \"LINE3\"\r\nWLAN RF \"5\"\r\nWLAN ROAM \"-65\",\"8\"\r\n"
                         "WLAN PORT \"9101\"\r\n");
    EXPECT_EQ(reports["WIFISSID"], "Shop Floor");
    EXPECT_EQ(reports["WIFISECUR"], "6");
    EXPECT_EQ(reports["WIFIEAP"], "18");
    EXPECT_EQ(reports["WIFIPASSWD"], "pa,ss");
    EXPECT_EQ(reports["WIFICACERT"], "CA.PEM");
    EXPECT_EQ(printer.snapshot().wireless.certificates["CA.PEM"], certificate);
    EXPECT_EQ(reports["WIFIGATEWAY"], "10.0.0.1");
    EXPECT_EQ(reports["WIFIPRINTNAME"], "LINE3");
    EXPECT_EQ(reports["WIFIROAMDELTA"], "8");
    EXPECT_EQ(reports["WIFIRAWPORT"], "9101");

    reports = after("WLAN SECURI WEP3\r\nWLAN WEP3 \"ABCDE\"\r\nWLAN DHCP\r\n");
    EXPECT_EQ(reports["WIFISECUR"], "3");
    EXPECT_EQ(reports["WIFIKEYINDEX"], "3");
    EXPECT_EQ(reports["WIFIWEP"], "ABCDE");
    EXPECT_EQ(reports["WIFIIP"], "0.0.0.0");
}

TEST_F(SettingCommandsTest, bluetoothAndFirmwareUpdateSettings)
{
    const auto reports = after("BT PINCODE \"4321\"\r\nBT NAME \"PACKING-2\"\r\nFTPUPD ENABLE \"1\"\r\n"
                               "FTPUPD SRVIP \"10.1.1.1\"\r\nFTPUPD PATH \"/fw\"\r\nFTPUPD DESCFILE \"fw.txt\"\r\n"
                               "FTPUPD ID \"anon\"\r\nFTPUPD PSWD \"x\"\r\n");
    EXPECT_EQ(reports["BTPINCODE"], "4321");
    EXPECT_EQ(reports["BTNAME"], "PACKING-2");
    EXPECT_EQ(reports["FTPCENABLE"], "1");
    EXPECT_EQ(reports["UPDFTPPATH"], "/fw");
    EXPECT_EQ(reports["UPDFTPPWD"], "x");
}

TEST_F(SettingCommandsTest, aPasswordLineWithoutItsClosingQuoteChangesNothing)
{
    after("DIAGNOSTIC PASSWORD \"secret\"\r\n");
    EXPECT_EQ(session->receive("DIAGNOSTIC PASSWORD \"\r\nDIAGNOSTIC PASSWORD \"abc\r\n").size(), 0);
    EXPECT_EQ(printer.snapshot().reports["PASSWORD"], "secret");
    EXPECT_EQ(after("DIAGNOSTIC PASSWORD \"\"\r\n")["PASSWORD"], "");
}

TEST_F(SettingCommandsTest, factoryDefaultsRestoreTheSettingsButKeepThePassword)
{
    after("DIAGNOSTIC PASSWORD \"secret\"\r\nDENSITY 2\r\nSET TEAR ON\r\nSET PEEL OFF\r\nSET CUTTER OFF\r\n");
    const auto reports = after("INITIALPRINTER\r\n");
    EXPECT_EQ(reports["DENSITY"], "8");
    EXPECT_EQ(reports["PRINTOUT"], "0");
    EXPECT_EQ(reports["PASSWORD"], "secret");
    EXPECT_EQ(reports["EDITION"], "108");
    EXPECT_EQ(after("SET PEEL OFF\r\n")["PRINTOUT"], "0"); // the earlier SET TEAR ON went with the defaults
}
