#include "config/ConfigJson.h"
#include "config/ConfigLayout.h"
#include "config/PrinterConfig.h"

#include <QJsonObject>
#include <bit>
#include <functional>
#include <gtest/gtest.h>

using namespace norvane;

namespace {

/// One field of the stored layout: where it starts, and the bytes it takes when marked.
struct FieldCase
{
    const char* name;
    qsizetype offset;
    std::function<void(PrinterConfig&)> mark;
    QByteArray bytes;
};

QByteArray le32(std::uint32_t value)
{
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes.append(static_cast<char>(value >> (8 * i)));
    return bytes;
}

constexpr std::int32_t kMarkInt = 0x11223344;
constexpr float kMarkFloat = 1.5f;

FieldCase at(const char* name, qsizetype offset, std::int32_t PrinterConfig::*field)
{
    return {name, offset, [field](PrinterConfig& c) { c.*field = kMarkInt; }, le32(kMarkInt)};
}

FieldCase at(const char* name, qsizetype offset, std::uint8_t PrinterConfig::*field)
{
    return {name, offset, [field](PrinterConfig& c) { c.*field = 0x5A; }, QByteArray(1, '\x5a')};
}

FieldCase at(const char* name, qsizetype offset, float PrinterConfig::*field)
{
    return {name, offset, [field](PrinterConfig& c) { c.*field = kMarkFloat; },
            le32(std::bit_cast<std::uint32_t>(kMarkFloat))};
}

FieldCase at(const char* name, qsizetype offset, PrinterConfig::Int PrinterConfig::*field)
{
    return {name, offset, [field](PrinterConfig& c) { (c.*field).set(kMarkInt); }, '\x01' + le32(kMarkInt)};
}

FieldCase at(const char* name, qsizetype offset, PrinterConfig::Float PrinterConfig::*field)
{
    return {name, offset, [field](PrinterConfig& c) { (c.*field).set(kMarkFloat); },
            '\x01' + le32(std::bit_cast<std::uint32_t>(kMarkFloat))};
}

FieldCase at(const char* name, qsizetype offset, PrinterConfig::Char PrinterConfig::*field)
{
    return {name, offset, [field](PrinterConfig& c) { (c.*field).set('Q'); }, QByteArray("\x01Q")};
}

template <std::size_t N> FieldCase at(const char* name, qsizetype offset, TextField<N> PrinterConfig::*field)
{
    // Every byte, terminator included, so the width is pinned too.
    return {name, offset, [field](PrinterConfig& c) { (c.*field).bytes.fill('x'); }, QByteArray(N, 'x')};
}

template <std::size_t N> FieldCase at(const char* name, qsizetype offset, TextItem<N> PrinterConfig::*field)
{
    return {name, offset,
            [field](PrinterConfig& c) {
                (c.*field).valid = 1;
                (c.*field).value.bytes.fill('x');
            },
            '\x01' + QByteArray(N, 'x')};
}

// The field's name as written is also its name in the record and in the JSON form.
#define FIELD(name, offset) at(#name, offset, &PrinterConfig::name)

// clang-format off
const FieldCase kLayout[] = {
    FIELD(edition, 0), FIELD(dpiValid, 4), FIELD(dpi, 5), FIELD(dotsPerMm, 9), FIELD(cutCounter, 13),
    FIELD(resetCutCounter, 17), FIELD(version, 21), FIELD(mileage, 277), FIELD(resetMileage, 293),
    FIELD(checksum, 309), FIELD(serialNumber, 325), FIELD(speed, 389), FIELD(density, 394), FIELD(densityBase, 399),
    FIELD(paperWidth, 404), FIELD(paperHeight, 409), FIELD(sensorMode, 414), FIELD(gapSize, 419),
    FIELD(gapOffset, 424), FIELD(printOut, 429), FIELD(cutterPiece, 434), FIELD(referenceX, 439),
    FIELD(referenceY, 444), FIELD(direction, 449), FIELD(mirror, 454), FIELD(offset, 459), FIELD(offsetBase, 464),
    FIELD(shiftY, 469), FIELD(shiftYBase, 474), FIELD(shiftX, 479), FIELD(shiftXBase, 484), FIELD(ribbon, 489),
    FIELD(ribbonSensor, 494), FIELD(ribbonEncoder, 499), FIELD(codePage, 504), FIELD(countryCode, 509),
    FIELD(displayLanguage, 514), FIELD(headSensor, 519), FIELD(reprint, 524), FIELD(maxLength, 529),
    FIELD(gapIntensity, 534), FIELD(blineIntensity, 539), FIELD(continuousIntensity, 544), FIELD(autoThreshold, 549),
    FIELD(unitIsInch, 554), FIELD(zDarkness, 555), FIELD(zPrintSpeed, 560), FIELD(zTearOff, 565),
    FIELD(zPrintMode, 570), FIELD(zPrintWidth, 575), FIELD(zControlPrefix, 580), FIELD(zFormatPrefix, 582),
    FIELD(zDelimiter, 584), FIELD(zPowerUpAction, 586), FIELD(zHeadCloseAction, 591), FIELD(zLabelTop, 596),
    FIELD(zLeftPosition, 601), FIELD(dHeat, 606), FIELD(dPrintSpeed, 611), FIELD(dLabelWidth, 616),
    FIELD(dPresentSensor, 621), FIELD(dCutterEquipped, 626), FIELD(dControlCodes, 631), FIELD(dColumnOffset, 636),
    FIELD(dRowOffset, 641), FIELD(comBaudRate, 646), FIELD(comDataBits, 651), FIELD(comParity, 656),
    FIELD(comStopBits, 661), FIELD(btPresent, 666), FIELD(btPinCode, 667), FIELD(btName, 700), FIELD(btVersion, 733),
    FIELD(btLocalMac, 766), FIELD(wifiPresent, 799), FIELD(wifiSsid, 800), FIELD(wifiSecurity, 865),
    FIELD(wifiKey, 870), FIELD(wifiIp, 999), FIELD(wifiMask, 1064), FIELD(wifiGateway, 1129), FIELD(wifiEap, 1194),
    FIELD(wifiUsername, 1199), FIELD(wifiPassword, 1264), FIELD(wifiCurrentIp, 1329), FIELD(wifiCurrentMask, 1393),
    FIELD(wifiCurrentGateway, 1457), FIELD(wifiCaCertName, 1521), FIELD(wifiClientCertName, 1537),
    FIELD(wifiPrivateKeyName, 1553), FIELD(wifiMac, 1569), FIELD(wifiHostName, 1633), FIELD(wifiBand, 1698),
    FIELD(wifiRoamTrigger, 1703), FIELD(wifiRoamDelta, 1708), FIELD(wifiRawPort, 1713), FIELD(extBtPresent, 1718),
    FIELD(extBtPinCode, 1719), FIELD(extBtName, 1752), FIELD(extWifiPresent, 1785), FIELD(extWifiSsid, 1786),
    FIELD(extWifiSecurity, 1851), FIELD(extWifiKey, 1856), FIELD(extWifiIp, 1990), FIELD(extWifiMask, 2055),
    FIELD(extWifiGateway, 2120), FIELD(extWifiCurrentIp, 2185), FIELD(extWifiCurrentMask, 2250),
    FIELD(extWifiCurrentGateway, 2315), FIELD(ftpEnable, 2520), FIELD(ftpServer, 2525), FIELD(ftpPath, 2590),
    FIELD(ftpDescriptionFile, 2719), FIELD(ftpUser, 2760), FIELD(ftpPassword, 2793)};
// clang-format on

#undef FIELD

} // namespace

TEST(PrinterConfigLayoutTest, everyFieldSitsAtItsOffsetWithItsWidth)
{
    const QByteArray cleared = ConfigToBytes(PrinterConfig{});
    ASSERT_EQ(cleared.size(), 2826);
    for (const FieldCase& field : kLayout) {
        PrinterConfig config;
        field.mark(config);
        QByteArray expected = cleared;
        expected.replace(field.offset, field.bytes.size(), field.bytes);
        EXPECT_EQ(ConfigToBytes(config).toHex(), expected.toHex()) << field.name;
        EXPECT_EQ(ConfigFromBytes(expected), config) << field.name;
    }
}

TEST(PrinterConfigLayoutTest, theFieldsAndTwoReservedStretchesTileTheRecord)
{
    qsizetype next = 0;
    for (const FieldCase& field : kLayout) {
        if (next == 1985 || next == 2380)
            next += next == 1985 ? 5 : 140;
        EXPECT_EQ(field.offset, next) << field.name;
        next = field.offset + field.bytes.size();
    }
    EXPECT_EQ(next, kPrinterConfigSize);
}

TEST(PrinterConfigLayoutTest, everyByteSurvivesARoundTripReservedOnesIncluded)
{
    QByteArray foreign(kPrinterConfigSize, '\0');
    for (qsizetype i = 0; i < foreign.size(); ++i)
        foreign[i] = static_cast<char>((i * 37 + 11) % 251);
    EXPECT_EQ(ConfigToBytes(ConfigFromBytes(foreign)), foreign);
}

TEST(PrinterConfigLayoutTest, theJsonFormNamesExactlyTheFieldsOfTheLayout)
{
    QStringList layoutNames;
    for (const FieldCase& field : kLayout)
        layoutNames << QString::fromLatin1(field.name);
    layoutNames.sort();
    EXPECT_EQ(ConfigToJson(PrinterConfig{}).keys(), layoutNames);
}

TEST(ClearConfigTest, setsEveryByteToZeroExceptTheInitialValues)
{
    PrinterConfig config = ConfigFromBytes(QByteArray(kPrinterConfigSize, '\x7f'));
    ClearConfig(config);

    QByteArray expected(kPrinterConfigSize, '\0');
    expected.replace(5, 4, le32(std::bit_cast<std::uint32_t>(200.0f)));
    expected.replace(9, 4, le32(std::bit_cast<std::uint32_t>(11.8f)));
    expected.replace(390, 4, le32(std::bit_cast<std::uint32_t>(3.0f)));
    expected[581] = '~';
    expected[583] = '^';
    expected[585] = ',';
    EXPECT_EQ(ConfigToBytes(config).toHex(), expected.toHex());
    EXPECT_FALSE(config.speed.isSet());
    EXPECT_FALSE(config.zControlPrefix.isSet());
}

TEST(TextFieldTest, aTextIsCutToTheFieldLessOneAndTheRestZeroFilled)
{
    TextField<4> field;
    field.setText("abcdef");
    EXPECT_EQ(QByteArray(field.bytes.data(), 4), QByteArray("abc\0", 4));
    field.setText("z");
    EXPECT_EQ(QByteArray(field.bytes.data(), 4), QByteArray("z\0\0\0", 4));
}

TEST(TextFieldTest, aFieldWithoutTerminatorGivesItsFirstNMinusOneBytesAndKeepsAllN)
{
    TextField<4> field;
    field.bytes = {'w', 'x', 'y', 'z'};
    EXPECT_EQ(field.text(), "wxy");
    EXPECT_EQ(QByteArray(field.bytes.data(), 4), "wxyz");

    // A record whose texts all run to the end of their fields: each gives N − 1 bytes, the record's bytes
    // go back out unchanged.
    const PrinterConfig foreign = ConfigFromBytes(QByteArray(kPrinterConfigSize, 'A'));
    EXPECT_EQ(foreign.version.text(), QByteArray(255, 'A'));
    EXPECT_EQ(foreign.btName.text(), QByteArray(31, 'A'));
    EXPECT_EQ(foreign.wifiBand.text(), "AAA");
    EXPECT_EQ(ConfigToBytes(foreign), QByteArray(kPrinterConfigSize, 'A'));
}
