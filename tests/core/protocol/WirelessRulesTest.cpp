#include "protocol/WirelessRules.h"

#include <gtest/gtest.h>

using namespace norvane;

namespace {

constexpr auto kWep1 = static_cast<std::int32_t>(WifiSecurity::Wep1);
constexpr auto kWep4 = static_cast<std::int32_t>(WifiSecurity::Wep4);
constexpr auto kWpaPersonal = static_cast<std::int32_t>(WifiSecurity::WpaPersonal);
constexpr auto kWpaEnterprise = static_cast<std::int32_t>(WifiSecurity::WpaEnterprise);
constexpr const char* kLength = "The length is invalid!!";
constexpr const char* kFormat = "The format is not valid!!";

std::string problemOf(std::int32_t security, const QString& key)
{
    const std::optional<QString> problem = WifiKeyProblem(security, key);
    return problem ? problem->toStdString() : std::string("fits");
}

} // namespace

TEST(WirelessRulesTest, wepKeysAreFiveOrThirteenCharactersOfSevenBitTextOrTenOrTwentySixHexDigits)
{
    EXPECT_EQ(problemOf(kWep1, "Abc!9Xyz#1234"), "fits");
    EXPECT_EQ(problemOf(kWep4, "12345"), "fits");
    EXPECT_EQ(problemOf(kWep1, "0123456789abcdefABCDEF0123"), "fits");
    EXPECT_EQ(problemOf(kWep4, "0123456789"), "fits");
    EXPECT_EQ(problemOf(kWep1, QStringLiteral("Abc!9Xyz#123") + QChar(0x80)), kFormat);
    EXPECT_EQ(problemOf(kWep1, QStringLiteral("abc\u20acd")), kFormat);
    EXPECT_EQ(problemOf(kWep4, "0123456789abcdefABCDEF012g"), kFormat);
    EXPECT_EQ(problemOf(kWep1, "012345678x"), kFormat);
    for (const qsizetype length : {0, 4, 6, 12, 14, 25, 27})
        EXPECT_EQ(problemOf(kWep1, QString(length, u'1')), kLength) << length;
}

TEST(WirelessRulesTest, wpaPersonalKeysAreEightToSixtyThreeCharactersOrSixtyFourHexDigits)
{
    const QString hex64(64, u'a');
    EXPECT_EQ(problemOf(kWpaPersonal, QString(8, u'x')), "fits");
    EXPECT_EQ(problemOf(kWpaPersonal, QString(63, u'"')), "fits");
    EXPECT_EQ(problemOf(kWpaPersonal, hex64), "fits");
    EXPECT_EQ(problemOf(kWpaPersonal, QString(hex64).replace(17, 1, u'g')), kFormat);
    EXPECT_EQ(problemOf(kWpaPersonal, QString(7, u'x')), kLength);
    EXPECT_EQ(problemOf(kWpaPersonal, hex64 + u'a'), kLength);
}

TEST(WirelessRulesTest, everyOtherEncryptionTakesAnyKey)
{
    for (const std::int32_t security : {-1, 0, kWpaEnterprise, 7})
        EXPECT_EQ(problemOf(security, "x"), "fits") << security;
}

TEST(WirelessRulesTest, aConfigurationIsCheckedByItsSecuritySettingWithAnUnsetKeyCountedAsEmpty)
{
    PrinterConfig config;
    ClearConfig(config);
    config.wifiKey.setText("abc");
    EXPECT_EQ(WifiKeyProblem(config), std::nullopt);

    config.wifiSecurity.set(kWep1);
    EXPECT_EQ(WifiKeyProblem(config), kLength);
    config.wifiKey.setText("AB\xe9"
                           "CD");
    EXPECT_EQ(WifiKeyProblem(config), kFormat);
    config.wifiKey.setText("ABCDE");
    EXPECT_EQ(WifiKeyProblem(config), std::nullopt);
    config.wifiKey.valid = 0;
    EXPECT_EQ(WifiKeyProblem(config), kLength);

    config.wifiSecurity.set(kWpaPersonal);
    config.wifiKey.setText("passphrase");
    EXPECT_EQ(WifiKeyProblem(config), std::nullopt);
}

TEST(WirelessRulesTest, theEapTypeTakesTheHighFourBitsWithTheInnerMethodOne)
{
    EXPECT_EQ(EncodeEap(EapType::Tls), 0x11);
    EXPECT_EQ(EncodeEap(EapType::Leap), 0x51);
    for (const EapType type : {EapType::Tls, EapType::Ttls, EapType::Fast, EapType::Peap, EapType::Leap})
        EXPECT_EQ(EapTypeNumber(EncodeEap(type)), static_cast<std::int32_t>(type));
    EXPECT_EQ(EapTypeNumber(0x4F), 4);
    EXPECT_EQ(EapTypeNumber(0x0F), 0);
}
