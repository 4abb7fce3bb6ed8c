#include "verify/PageReadBack.h"

#include "protocol/ConfigurationWrite.h"
#include "protocol/WirelessRules.h"

#include <QJsonValue>
#include <gtest/gtest.h>

using namespace norvane;

namespace {

constexpr auto kCommon = static_cast<std::int32_t>(ConfigPage::Common);

QList<QByteArray> fieldsOf(const QList<UnkeptSetting>& unkept)
{
    QList<QByteArray> fields;
    for (const UnkeptSetting& setting : unkept)
        fields << setting.field;
    return fields;
}

/// A 203 dpi printer (8 dots per mm) with a mm page: 101.5 mm is 812 dots. The gap intensity goes out
/// with every common page, so it is known on both sides.
PrinterConfig mmPrinter()
{
    PrinterConfig config;
    config.dpi = 203.0f;
    config.dotsPerMm = 8.0f;
    config.gapIntensity.set(5);
    return config;
}

} // namespace

TEST(PageReadBackTest, LengthsAreComparedAsPreciselyAsTheirCommandCarriesThem)
{
    PrinterConfig sent = mmPrinter();
    // 812.03 dots go out as "101.50 mm"; a printer keeping whole dots reports 812.
    sent.paperWidth.set(812.03f);
    sent.paperHeight.set(400.0f);
    PrinterConfig read = sent;
    read.paperWidth.set(812.0f);
    read.paperHeight.set(400.4f);
    EXPECT_TRUE(SettingsNotKept(sent, read, kCommon).isEmpty());

    // One whole dot is a different length, in either direction.
    read.paperWidth.set(813.0f);
    read.paperHeight.set(399.0f);
    EXPECT_EQ(fieldsOf(SettingsNotKept(sent, read, kCommon)), (QList<QByteArray>{"paperWidth", "paperHeight"}));

    // In inches a hundredth is two dots at 203 dpi, so the allowance grows with the unit.
    sent.unitIsInch = 1;
    read.paperWidth.set(813.0f);
    read.paperHeight.set(398.0f);
    EXPECT_EQ(fieldsOf(SettingsNotKept(sent, read, kCommon)), (QList<QByteArray>{"paperHeight"}));
}

TEST(PageReadBackTest, OnlyTheSettingsThePageSentAreCompared)
{
    PrinterConfig sent = mmPrinter();
    sent.density.set(8);
    sent.zDarkness.set(20);
    // Both halves of the size are needed for its line; one alone is not sent.
    sent.paperWidth.set(800.0f);
    PrinterConfig read = mmPrinter();
    read.density.set(8);
    read.zDarkness.set(3);
    read.offset.set(12);
    read.paperWidth.set(100.0f);

    EXPECT_TRUE(SettingsNotKept(sent, read, kCommon).isEmpty());
    EXPECT_EQ(fieldsOf(SettingsNotKept(sent, read, static_cast<std::int32_t>(ConfigPage::ZEmulation))),
              QList<QByteArray>{"zDarkness"});
    // A page number that writes nothing has nothing to compare.
    EXPECT_TRUE(SettingsNotKept(sent, read, 7).isEmpty());
}

TEST(PageReadBackTest, ReportsValuesInTheRecordsTermsAndNullForASettingNoLongerReported)
{
    PrinterConfig sent = mmPrinter();
    sent.speed.set(4.0f);
    sent.density.set(8);
    sent.zControlPrefix.set('~');
    PrinterConfig read = mmPrinter();
    read.speed.set(3.0f);

    const auto unkept = SettingsNotKept(sent, read, kCommon);
    ASSERT_EQ(unkept.size(), 2);
    EXPECT_EQ(unkept[0], (UnkeptSetting{"speed", 4.0, 3.0}));
    EXPECT_EQ(unkept[1], (UnkeptSetting{"density", 8, QJsonValue(QJsonValue::Null)}));
    EXPECT_EQ(UnkeptSettingJson(unkept[0]), R"({"field": "speed", "sent": 4, "read": 3})");
    EXPECT_EQ(UnkeptSettingJson(unkept[1]), R"({"field": "density", "sent": 8, "read": null})");

    read.zControlPrefix.set('"');
    const auto prefix = SettingsNotKept(sent, read, static_cast<std::int32_t>(ConfigPage::ZEmulation));
    ASSERT_EQ(prefix.size(), 1);
    EXPECT_EQ(UnkeptSettingJson(prefix[0]), R"({"field": "zControlPrefix", "sent": "~", "read": "\""})");
}

TEST(PageReadBackTest, SettingsSentInCoarserStepsAllowForTheirStep)
{
    PrinterConfig sent = mmPrinter();
    sent.speed.set(4.04f); // "SPEED 4.0"
    sent.ribbon.set(2);    // any non-zero value is "ON"
    sent.maxLength.set(1000.004f);
    PrinterConfig read = sent;
    read.speed.set(4.0f);
    read.ribbon.set(1);
    read.maxLength.set(1000.0f);
    EXPECT_TRUE(SettingsNotKept(sent, read, kCommon).isEmpty());
    read.ribbon.set(0);
    read.speed.set(4.1f);
    EXPECT_EQ(fieldsOf(SettingsNotKept(sent, read, kCommon)), (QList<QByteArray>{"speed", "ribbon"}));

    // "D" speeds go out as letters in half steps; lengths in hundredths of an inch (2.03 dots here).
    const auto dPage = static_cast<std::int32_t>(ConfigPage::DEmulation);
    sent.dPrintSpeed.set(3.2f);
    sent.dLabelWidth.set(812);
    read.dPrintSpeed.set(3.0f);
    read.dLabelWidth.set(813);
    EXPECT_TRUE(SettingsNotKept(sent, read, dPage).isEmpty());
    read.dPrintSpeed.set(3.5f);
    read.dLabelWidth.set(815);
    EXPECT_EQ(fieldsOf(SettingsNotKept(sent, read, dPage)), (QList<QByteArray>{"dPrintSpeed", "dLabelWidth"}));
}

TEST(PageReadBackTest, FollowsWhatTheCommonPageSendsRegardlessOfFlags)
{
    PrinterConfig sent = mmPrinter();
    // The current mode's intensity goes out even with its flag clear; the other modes' do not.
    sent.sensorMode.set(1);
    sent.gapSize.set(24.0f);
    sent.gapOffset.set(0.0f);
    sent.blineIntensity.value = 6;
    sent.gapIntensity.set(4);
    PrinterConfig read = sent;
    read.blineIntensity.set(2);
    read.gapIntensity.set(1);
    EXPECT_EQ(fieldsOf(SettingsNotKept(sent, read, kCommon)), QList<QByteArray>{"blineIntensity"});

    // Without both gap lengths a gap or black-mark mode has no line, so nothing of it is compared.
    sent.gapOffset.valid = 0;
    read.sensorMode.set(0);
    read.gapSize.set(1.0f);
    EXPECT_EQ(fieldsOf(SettingsNotKept(sent, read, kCommon)), QList<QByteArray>{"blineIntensity"});
}

TEST(PageReadBackTest, KeysAndPasswordsShowOnlyTheirLength)
{
    PrinterConfig sent;
    sent.wifiPresent = 1;
    sent.wifiSecurity.set(static_cast<std::int32_t>(WifiSecurity::WpaPersonal));
    sent.wifiKey.setText("correct horse");
    PrinterConfig read = sent;
    read.wifiKey.setText("old key");

    const auto unkept = SettingsNotKept(sent, read, static_cast<std::int32_t>(ConfigPage::Wireless));
    ASSERT_EQ(unkept.size(), 1);
    const QByteArray line = UnkeptSettingJson(unkept[0]);
    EXPECT_EQ(line, R"x({"field": "wifiKey", "sent": "(hidden, 13 characters)", "read": "(hidden, 7 characters)"})x");

    // The same for the FTP password; other texts of the page show as they are.
    sent.ftpPassword.setText("secret");
    sent.ftpUser.setText("admin");
    read.ftpUser.setText("root");
    const auto ftp = SettingsNotKept(sent, read, static_cast<std::int32_t>(ConfigPage::FtpUpdate));
    ASSERT_EQ(ftp.size(), 2);
    EXPECT_EQ(ftp[0], (UnkeptSetting{"ftpUser", QStringLiteral("admin"), QStringLiteral("root")}));
    EXPECT_EQ(ftp[1],
              (UnkeptSetting{"ftpPassword", QStringLiteral("(hidden, 6 characters)"), QJsonValue(QJsonValue::Null)}));
}
