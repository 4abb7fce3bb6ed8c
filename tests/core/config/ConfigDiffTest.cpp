#include "config/ConfigDiff.h"
#include "SampleConfig.h"

#include <gtest/gtest.h>

using namespace norvane;

namespace {

QStringList fieldsOf(const QList<ConfigDifference>& differences)
{
    QStringList fields;
    for (const ConfigDifference& difference : differences)
        fields << difference.field;
    return fields;
}

} // namespace

TEST(ConfigDiffTest, equalRecordsAndBytesNobodyWritesShowNoDifference)
{
    const PrinterConfig sample = test::SampleConfig();
    EXPECT_TRUE(CompareConfigs(sample, sample).isEmpty());

    PrinterConfig other = sample;
    other.reservedBeforeFtp[3] = 0x5a;
    other.reservedAfterExtWifiKey[0] = 0x01;
    // Bytes behind a text's terminator are not part of the text.
    other.wifiSsid.value.bytes[60] = 'x';
    EXPECT_TRUE(CompareConfigs(sample, other).isEmpty());
}

TEST(ConfigDiffTest, itemsWithTheirFlagClearCompareEqualWhateverTheyHold)
{
    PrinterConfig first;
    ClearConfig(first);
    PrinterConfig second = first;
    second.density.value = 12;
    second.wifiSsid.value.setText("hidden");
    EXPECT_TRUE(CompareConfigs(first, second).isEmpty());

    second.density.valid = 1;
    const auto differences = CompareConfigs(first, second);
    ASSERT_EQ(fieldsOf(differences), QStringList{"density"});
    EXPECT_FALSE(differences[0].first.bytes.has_value());
    EXPECT_EQ(differences[0].second.bytes, QByteArray("12"));
}

TEST(ConfigDiffTest, floatsShowInTheirShortestFormAndCharactersAsTexts)
{
    PrinterConfig first;
    ClearConfig(first);
    first.speed.set(4.0f);
    first.zControlPrefix.set('~');
    PrinterConfig second = first;
    second.speed.set(11.8f);
    second.zControlPrefix.set('#');

    const auto differences = CompareConfigs(first, second);
    ASSERT_EQ(fieldsOf(differences), (QStringList{"speed", "zControlPrefix"}));
    EXPECT_EQ(differences[0].first, (ShownValue{"4", false}));
    EXPECT_EQ(differences[0].second, (ShownValue{"11.8", false}));
    EXPECT_EQ(differences[1].second, (ShownValue{"#", true}));
}
