#include "ScriptedTransport.h"
#include "config/ConfigJson.h"
#include "config/ConfigLayout.h"
#include "config/PrinterConfig.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/ReplyFraction.h"
#include "protocol/ReplyFraming.h"

#include <QJsonObject>
#include <QMap>
#include <cmath>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

const QByteArray kSerialQuery = "OUT _SERIAL$\r\n";

QByteArray frame(const QByteArray& data)
{
    return "{" + QByteArray::number(data.size()) + "|" + data + "}";
}

/// Every reply of an edition-108 printer with WPA security, as "KEY=reply" separated by ";".
constexpr char kEdition108[] =
    "DPI=203;VERSION=V2.03A;MILAGE=12.5;CHECKSUM=8A3F;SPEED=4.0;DENSITY=8;DENSITYBASE=3;PAPERWIDTH=812;"
    "PAPERHEIGHT=406.5;SENSORMODE=1;GAPSIZE=24;GAPOFFSET=0;PRINTOUT=3;CUTTERPIECE=2;REFERENCEX=-8;REFERENCEY=0;"
    "DIRCTION=1;MIRROR=0;OFFSET=0;OFFSETBASE=0;SHIFT=10;SHIFTBASE=0;RIBBON=1;CODEPAGE=850;COUNTRY=049;HEAD=1;"
    "GAPINTEN=5;BLINEINTEN=6;CONINTEN=7;BAUDRATE=115200;DATABIT=8;PARITY=None;STOPBIT=1;REPRINT=1;SHIFTX=5;"
    "SHIFTXBASE=0;EDITION=108;ZDARKNESS=15;ZSPEED=D;ZPOSITION=-5;ZPRINTMODE=C;ZLABELWIDTH=812;ZCONTROL=~;"
    "ZFORMAT=^;ZDELIMITER=,;ZFEEDPOWERUP=N;ZFEEDHEADCLOSE=L;ZLABELTOP=0;ZLABELSHIFT=-20;DHEAT=12;DSPEED=G;"
    "DLABELWIDTH=812;DPRESENTSENSOR=E;DCUTTEREQUIPPED=N;DCONTROLCODES=1;DCOLUMNOFFSET=0;DROWOFFSET=0;"
    "CUTCOUNTER=1234;MAXLENGTH=2436.5;RESETMILAGE=0.7;RESETCUTCOUNTER=56;RIBBONSENSOR=1;RIBBONENCODER=0;"
    "AUTOTHRESHOLD=1;ISBT=1;BTPINCODE=0000;BTNAME=Norvane BT;ISWIFI=1;WIFISSID=Lab;WIFIWPA=secret pass;WIFIWEP=;"
    "WIFIKEYINDEX=1;WIFIIP=0.0.0.0;WIFIMASK=255.255.255.0;WIFIGATEWAY=10.0.0.1;WIFIPRINTNAME=NV-LAB;WIFIFREQ=5G;"
    "WIFIROAMTRIG=-70;WIFIROAMDELTA=5;WIFIRAWPORT=9100;WIFISECUR=5;WIFIEAP=17;WIFIUSERNAME=tech;WIFIPASSWD=pw;"
    "WIFICACERT=CA.DER;WIFICLTCERT=CL.DER;WIFIPRIVKEY=KEY.PEM;WIFIMAC=00:1B:2C:3D:4E:5F;WIFICIP=10.0.0.7;"
    "WIFICMASK=255.255.255.0;WIFICGATEWAY=10.0.0.1;FTPCENABLE=1;UPDFTPSRV=10.0.0.2;UPDFTPPATH=/fw;"
    "UPDDESCFILE=desc.txt;UPDFTPID=ftp;UPDFTPPWD=ftppw;BTVERSION=4.2;BTLOCALMAC=AA:BB:CC:DD:EE:FF;LANGUAGE=GERMAN";

/// The queries of that printer in their order.
constexpr char kEdition108Queries[] =
    "ANNOUNCE DPI VERSION MILAGE CHECKSUM OUT_SERIAL$ SPEED DENSITY DENSITYBASE PAPERWIDTH PAPERHEIGHT "
    "SENSORMODE GAPSIZE GAPOFFSET PRINTOUT CUTTERPIECE REFERENCEX REFERENCEY DIRCTION MIRROR OFFSET OFFSETBASE "
    "SHIFT SHIFTBASE RIBBON CODEPAGE COUNTRY HEAD GAPINTEN BLINEINTEN CONINTEN BAUDRATE DATABIT PARITY STOPBIT "
    "REPRINT SHIFTX SHIFTXBASE EDITION ZDARKNESS ZSPEED ZPOSITION ZPRINTMODE ZLABELWIDTH ZCONTROL ZFORMAT "
    "ZDELIMITER ZFEEDPOWERUP ZFEEDHEADCLOSE ZLABELTOP ZLABELSHIFT DHEAT DSPEED DLABELWIDTH DPRESENTSENSOR "
    "DCUTTEREQUIPPED DCONTROLCODES DCOLUMNOFFSET DROWOFFSET CUTCOUNTER MAXLENGTH RESETMILAGE RESETCUTCOUNTER "
    "RIBBONSENSOR RIBBONENCODER AUTOTHRESHOLD ISBT BTPINCODE BTNAME ISWIFI WIFISSID WIFIWPA WIFIIP WIFIMASK "
    "WIFIGATEWAY ISWIFI WIFIPRINTNAME WIFIFREQ WIFIROAMTRIG WIFIROAMDELTA WIFIRAWPORT WIFISSID WIFIWPA WIFIIP "
    "WIFIMASK WIFIGATEWAY WIFISECUR WIFIWPA WIFIMAC WIFICIP WIFICMASK WIFICGATEWAY FTPCENABLE UPDFTPSRV "
    "UPDFTPPATH UPDDESCFILE UPDFTPID UPDFTPPWD BTVERSION BTLOCALMAC LANGUAGE";

/// The items that printers below edition 100 lack.
constexpr char kLaterItems[] =
    "zDarkness zPrintSpeed zTearOff zPrintMode zPrintWidth zControlPrefix zFormatPrefix zDelimiter zPowerUpAction "
    "zHeadCloseAction zLabelTop zLeftPosition dHeat dPrintSpeed dLabelWidth dPresentSensor dCutterEquipped "
    "dControlCodes dColumnOffset dRowOffset maxLength ribbonSensor ribbonEncoder autoThreshold btPinCode btName "
    "wifiSsid wifiSecurity wifiKey wifiIp wifiMask wifiGateway wifiHostName wifiBand extWifiSsid extWifiSecurity "
    "extWifiKey extWifiIp extWifiMask extWifiGateway extWifiCurrentIp extWifiCurrentMask extWifiCurrentGateway "
    "btVersion btLocalMac displayLanguage";

QMap<QByteArray, QByteArray> edition108Replies()
{
    QMap<QByteArray, QByteArray> replies;
    for (const QByteArray& pair : QByteArray(kEdition108).split(';')) {
        const qsizetype equals = pair.indexOf('=');
        replies.insert(pair.first(equals), pair.sliced(equals + 1));
    }
    return replies;
}

} // namespace

/// A scripted printer that answers each query from `replies` and stays silent on keys it lacks.
class ConfigurationReadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        s.device->respond = [this](QByteArrayView chunk) {
            if (chunk == InterfaceAnnouncement(InterfaceKind::Usb))
                return frame("");
            if (chunk == kSerialQuery)
                return serialLine;
            const auto found = replies.constFind(keyOf(chunk));
            return found == replies.constEnd() ? QByteArray() : frame(*found);
        };
    }

    static QByteArray keyOf(QByteArrayView command)
    {
        if (command == InterfaceAnnouncement(InterfaceKind::Usb))
            return "ANNOUNCE";
        if (command == kSerialQuery)
            return "OUT_SERIAL$";
        if (command.startsWith("DIAGNOSTIC REPORT ") && command.endsWith("\r\n"))
            return command.sliced(18).chopped(2).toByteArray();
        return "?" + command.toByteArray();
    }

    ResultCode read(InterfaceKind kind = InterfaceKind::Usb)
    {
        s.device->chunks.clear();
        return dispatcher.dispatch<OperationCode::ReadConfiguration>(kind, config, 0);
    }

    /// The key words of the queries sent, in order.
    QByteArrayList asked() const
    {
        QByteArrayList keys;
        for (const QByteArray& chunk : s.device->chunks)
            keys << keyOf(chunk);
        return keys;
    }

    /// Reads with one reply replaced; the resulting record.
    const PrinterConfig& readWith(const QByteArray& key, const QByteArray& reply)
    {
        replies[key] = reply;
        config = PrinterConfig{};
        EXPECT_EQ(read(), ResultCode::Success) << key.constData() << " " << reply.constData();
        return config;
    }

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
    QMap<QByteArray, QByteArray> replies = edition108Replies();
    QByteArray serialLine = "NV2031-000417\r\n";
    PrinterConfig config;
};

TEST_F(ConfigurationReadTest, anEdition108PrinterIsAskedEveryQueryInOrder)
{
    ASSERT_EQ(read(), ResultCode::Success);
    EXPECT_EQ(asked(), QByteArray(kEdition108Queries).split(' '));
}

TEST_F(ConfigurationReadTest, theRepliesAreConvertedIntoTheRecord)
{
    ASSERT_EQ(read(), ResultCode::Success);
    const PrinterConfig& c = config;
    EXPECT_EQ(c.edition, 108);
    EXPECT_EQ(c.serialNumber.text(), "NV2031-000417");
    EXPECT_EQ(c.paperHeight, (PrinterConfig::Float{1, 406.5f}));
    EXPECT_EQ(c.countryCode, (PrinterConfig::Int{1, 17}));
    EXPECT_EQ(c.comBaudRate, (PrinterConfig::Int{1, 8}));
    EXPECT_EQ(c.zHeadCloseAction, (PrinterConfig::Int{1, 3}));
    EXPECT_EQ(c.dPresentSensor, (PrinterConfig::Int{1, 2}));
    EXPECT_EQ(c.dControlCodes, (PrinterConfig::Int{1, 2}));
    EXPECT_EQ(c.extWifiPresent, 1);
    EXPECT_EQ(c.extWifiSecurity, (PrinterConfig::Int{1, 5}));
    EXPECT_EQ(c.wifiCurrentIp.text(), "10.0.0.7");
    EXPECT_EQ(c.displayLanguage, (PrinterConfig::Int{1, 5}));
    EXPECT_FALSE(c.wifiEap.isSet()); // asked only for WPA enterprise
}

TEST_F(ConfigurationReadTest, theEditionDecidesTheLastQuery)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", "EDITION"},     {"99", "EDITION"},        {"100", "DROWOFFSET"},    {"101", "DROWOFFSET"},
        {"102", "MAXLENGTH"}, {"103", "AUTOTHRESHOLD"}, {"104", "AUTOTHRESHOLD"}, {"105", "WIFIGATEWAY"},
        {"106", "UPDFTPPWD"}, {"107", "BTLOCALMAC"},    {"108", "LANGUAGE"},      {"250", "LANGUAGE"},
    };
    for (const auto& [edition, last] : cases) {
        readWith("EDITION", edition);
        EXPECT_EQ(asked().last(), last) << edition;
    }
}

TEST_F(ConfigurationReadTest, anEdition99PrinterHasEveryLaterFeatureUnset)
{
    replies["EDITION"] = "99";
    // A record that is not cleared shows that the read itself unsets what this printer lacks.
    config = ConfigFromBytes(QByteArray(kPrinterConfigSize, '\x01'));
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadConfiguration>(InterfaceKind::Usb, config, 0),
              ResultCode::Success);
    EXPECT_EQ(config.edition, 99);
    const QJsonObject json = ConfigToJson(config);
    for (const QByteArray& item : QByteArray(kLaterItems).split(' '))
        EXPECT_FALSE(json[QLatin1String(item)].toObject()["valid"].toBool()) << item.constData();
    EXPECT_EQ(config.btPresent + config.wifiPresent + config.extWifiPresent, 0);
}

TEST_F(ConfigurationReadTest, aPrinterSilentAtReprintEndsTheReadSuccessfullyThere)
{
    replies.remove("REPRINT");
    ASSERT_EQ(read(), ResultCode::Success);
    EXPECT_EQ(asked().last(), "REPRINT");
    EXPECT_FALSE(config.reprint.isSet());
    EXPECT_EQ(config.edition, 0);
    EXPECT_TRUE(config.comStopBits.isSet());

    replies = edition108Replies();
    replies.remove("EDITION");
    config.edition = 55;
    ASSERT_EQ(read(), ResultCode::Success);
    EXPECT_EQ(asked().last(), "EDITION");
    EXPECT_EQ(config.edition, 0);
    EXPECT_TRUE(config.shiftXBase.isSet());
}

TEST_F(ConfigurationReadTest, speedsSentAsLettersAreDecoded)
{
    const std::pair<const char*, PrinterConfig::Int> zSpeeds[] = {
        {"A", {1, 2}}, {"D", {1, 6}}, {"E", {1, 8}}, {"12", {1, 12}}, {"F", {1, 0}}, {"", {0, 0}},
    };
    for (const auto& [reply, expected] : zSpeeds)
        EXPECT_EQ(readWith("ZSPEED", reply).zPrintSpeed, expected) << reply;

    const std::pair<const char*, PrinterConfig::Float> dSpeeds[] = {
        {"A", {1, 1.0f}},  {"G", {1, 4.0f}},  {"V", {1, 11.5f}}, {"W", {1, 12.0f}}, {"Z", {1, 15.0f}},
        {"a", {1, 16.0f}}, {"e", {1, 20.0f}}, {"f", {0, 0}},     {"AB", {0, 0}},    {"", {0, 0}},
    };
    for (const auto& [reply, expected] : dSpeeds)
        EXPECT_EQ(readWith("DSPEED", reply).dPrintSpeed, expected) << reply;
}

TEST_F(ConfigurationReadTest, lettersListsAndPrefixesNeedAnExactReply)
{
    EXPECT_EQ(readWith("ZPRINTMODE", "R").zPrintMode, (PrinterConfig::Int{1, 1}));
    EXPECT_FALSE(readWith("ZPRINTMODE", "t").zPrintMode.isSet());
    EXPECT_FALSE(readWith("DCONTROLCODES", "S ").dControlCodes.isSet());
    EXPECT_EQ(readWith("CODEPAGE", "850").codePage, (PrinterConfig::Int{1, 10}));
    EXPECT_EQ(readWith("CODEPAGE", "850 ").codePage, (PrinterConfig::Int{1, 36}));
    EXPECT_EQ(readWith("PARITY", "odd").comParity, (PrinterConfig::Int{1, 3}));
    EXPECT_EQ(readWith("ZCONTROL", "#").zControlPrefix, (PrinterConfig::Char{1, '#'}));
    EXPECT_EQ(readWith("ZCONTROL", "").zControlPrefix, (PrinterConfig::Char{0, '~'}));
    EXPECT_EQ(readWith("ZCONTROL", "##").zControlPrefix, (PrinterConfig::Char{0, '~'}));
    EXPECT_FALSE(readWith("ZLABELTOP", "").zLabelTop.isSet());
    EXPECT_EQ(readWith("ZLABELTOP", "x").zLabelTop, (PrinterConfig::Int{1, 0}));
}

TEST_F(ConfigurationReadTest, sensorModeIsCappedAndCountersAreNeverNegative)
{
    EXPECT_EQ(readWith("SENSORMODE", "5").sensorMode, (PrinterConfig::Int{1, 2}));
    EXPECT_EQ(readWith("CUTCOUNTER", "-7").cutCounter, 0);
    EXPECT_EQ(readWith("RESETCUTCOUNTER", "-1").resetCutCounter, 0);
}

TEST_F(ConfigurationReadTest, theResolutionGivesDotsPerMillimetreInTenths)
{
    const std::pair<const char*, float> cases[] = {{"203", 8.0f}, {"300", 11.8f}, {"600", 23.6f}, {" 203.2x", 8.0f}};
    for (const auto& [reply, dotsPerMm] : cases) {
        EXPECT_EQ(readWith("DPI", reply).dotsPerMm, dotsPerMm) << reply;
        EXPECT_EQ(config.dpiValid, 1);
    }
}

TEST_F(ConfigurationReadTest, anUnusableResolutionEndsTheReadWithAReceivingError)
{
    // "1" dpi would round to 0 dots per mm, which no length can be divided by.
    for (const QByteArray& reply : QByteArrayList{"0", "", "abc", "0.2", "1", "-300", QByteArray(60, '9')}) {
        replies["DPI"] = reply;
        config = PrinterConfig{};
        EXPECT_EQ(read(), ResultCode::DataReceivingError) << reply.constData();
        EXPECT_EQ(asked().last(), "DPI");
        EXPECT_EQ(config.dpiValid, 0);
    }
    EXPECT_EQ(readWith("DPI", "1.3").dotsPerMm, 0.1f);
}

TEST_F(ConfigurationReadTest, identityTextsMustFitTheirReplyBuffersOthersAreCutToTheirField)
{
    EXPECT_EQ(readWith("VERSION", QByteArray(254, 'v')).version.text(), QByteArray(254, 'v'));
    EXPECT_EQ(readWith("MILAGE", QByteArray(14, '9')).mileage.text(), QByteArray(14, '9'));
    EXPECT_EQ(readWith("BTNAME", QByteArray(40, 'n')).btName.text(), QByteArray(31, 'n'));
    for (const auto& [key, length] : {std::pair{"VERSION", 255}, {"MILAGE", 15}, {"RESETMILAGE", 15}}) {
        replies = edition108Replies();
        replies[key] = QByteArray(length, '9');
        EXPECT_EQ(read(), ResultCode::DataReceivingError) << key;
        EXPECT_EQ(asked().last(), key);
    }
}

TEST_F(ConfigurationReadTest, theSerialNumberIsAPlainLine)
{
    serialLine = "{4|NV}\r7\r\n";
    EXPECT_EQ(readWith("DPI", "203").serialNumber.text(), "{4|NV}7");

    serialLine = QByteArray(70, 's'); // cut short by the time-out: taken as it came, cut to the field
    EXPECT_EQ(readWith("DPI", "203").serialNumber.text(), QByteArray(63, 's'));

    serialLine = QByteArray(1025, 's') + "\n";
    EXPECT_EQ(read(), ResultCode::DataReceivingError);
    EXPECT_EQ(asked().last(), "OUT_SERIAL$");
}

TEST_F(ConfigurationReadTest, theFirstKeyFormTriesWpaThenWep)
{
    replies["WIFIWPA"] = "";
    replies["WIFIWEP"] = "abcde";
    replies["WIFIKEYINDEX"] = "3";
    readWith("EDITION", "105");
    EXPECT_EQ(config.wifiKey.text(), "abcde");
    EXPECT_EQ(config.wifiSecurity, (PrinterConfig::Int{1, 3}));
    EXPECT_EQ(asked().count("WIFIKEYINDEX"), 2);

    replies["WIFIWEP"] = "";
    readWith("EDITION", "105");
    EXPECT_FALSE(config.wifiKey.isSet());
    EXPECT_EQ(config.wifiSecurity, (PrinterConfig::Int{0, 0}));
    EXPECT_EQ(asked().count("WIFIKEYINDEX"), 0);
}

TEST_F(ConfigurationReadTest, theSecurityNumberDecidesWhichKeyIsAsked)
{
    replies["WIFIWPA"] = "first form";
    replies["WIFIWEP"] = "wep key";
    replies["WIFIKEYINDEX"] = "2";

    readWith("WIFISECUR", "0");
    EXPECT_EQ(config.wifiSecurity, (PrinterConfig::Int{1, 0}));
    EXPECT_EQ(config.wifiKey, TextItem<128>{});
    EXPECT_EQ(asked().mid(asked().indexOf("WIFISECUR") + 1, 1), QByteArrayList{"WIFIMAC"});

    readWith("WIFISECUR", "2");
    EXPECT_EQ(config.wifiSecurity, (PrinterConfig::Int{1, 2}));
    EXPECT_EQ(config.wifiKey.text(), "wep key");
    EXPECT_EQ(asked().mid(asked().indexOf("WIFISECUR") + 1, 2), (QByteArrayList{"WIFIWEP", "WIFIKEYINDEX"}));

    readWith("WIFISECUR", "6");
    EXPECT_EQ(config.wifiSecurity, (PrinterConfig::Int{1, 6}));
    EXPECT_EQ(config.wifiKey.text(), "first form");
    EXPECT_EQ(config.wifiEap, (PrinterConfig::Int{1, 17}));
    EXPECT_EQ(config.wifiUsername.text(), "tech");
    EXPECT_EQ(config.wifiPassword.text(), "pw");
    EXPECT_EQ(config.wifiCaCertName.text(), "CA.DER");
    EXPECT_EQ(config.wifiClientCertName.text(), "CL.DER");
    EXPECT_EQ(config.wifiPrivateKeyName.text(), "KEY.PEM");

    readWith("WIFISECUR", "9");
    EXPECT_EQ(config.wifiKey.text(), "first form");
    EXPECT_EQ(asked().mid(asked().indexOf("WIFISECUR") + 1, 1), QByteArrayList{"WIFIMAC"});
}

TEST_F(ConfigurationReadTest, failuresEndTheReadWithTheirCodes)
{
    s.device->refuseOpen = true;
    EXPECT_EQ(read(), ResultCode::PortOpenError);
    s.device->refuseOpen = false;

    s.device->failChunk = 0; // the announcement
    EXPECT_EQ(read(), ResultCode::DataTransmissionError);
    EXPECT_TRUE(s.device->written.isEmpty());
    s.device->failChunk = -1;

    for (const char* key : {"DENSITY", "STOPBIT", "ZDARKNESS", "WIFISECUR", "LANGUAGE"}) {
        replies = edition108Replies();
        replies.remove(key);
        EXPECT_EQ(read(), ResultCode::DataReceivingError) << key;
        EXPECT_EQ(asked().last(), key);
    }
    EXPECT_EQ(read(InterfaceKind::Lpt), ResultCode::DataReceivingError);
}

TEST(ReplyFractionTest, readsAnOptionalSignDigitsAndAPointFraction)
{
    EXPECT_EQ(ReplyFraction("  -1.25mm"), -1.25f);
    EXPECT_EQ(ReplyFraction("+4."), 4.0f);
    EXPECT_EQ(ReplyFraction("11.8"), 11.8f);
    EXPECT_EQ(ReplyFraction("3,5"), 3.0f);
    EXPECT_EQ(ReplyFraction("-"), 0.0f);
    EXPECT_FALSE(std::signbit(ReplyFraction("-0")));
    EXPECT_EQ(ReplyFraction(QByteArray(60, '9')), std::numeric_limits<float>::max());
}
