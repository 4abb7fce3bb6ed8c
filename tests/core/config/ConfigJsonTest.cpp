#include "config/ConfigJson.h"
#include "SampleConfig.h"
#include "config/ConfigLayout.h"
#include "config/DcfFile.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

std::optional<PrinterConfig> fromJson(const QByteArray& text, QString& error)
{
    return ConfigFromJsonText(text, error);
}

/// `text` in UTF-16 or UTF-32, each character widened with zero bytes on the side `bigEndian` says.
QByteArray widened(QByteArrayView text, int width, bool bigEndian)
{
    QByteArray wide;
    for (char c : text) {
        const QByteArray zeros(width - 1, '\0');
        wide += bigEndian ? zeros + c : c + zeros;
    }
    return wide;
}

/// The message for a JSON text holding just `fields`, or "accepted".
std::string refusal(const QByteArray& fields)
{
    QString error;
    return fromJson("{" + fields + "}", error) ? "accepted" : error.toStdString();
}

} // namespace

TEST(ConfigJsonTest, itemsPlainFieldsListsAndTextsHaveTheirReadableForms)
{
    const QJsonObject json = ConfigToJson(SampleConfig());
    EXPECT_EQ(json["edition"], 108);
    EXPECT_EQ(json["dpiValid"], 1);
    EXPECT_EQ(json["dpi"], 203);
    EXPECT_EQ(json["dotsPerMm"], 8);
    EXPECT_EQ(json["serialNumber"], "NV2031-000417");
    EXPECT_EQ(json["speed"], (QJsonObject{{"valid", true}, {"value", 4}}));
    EXPECT_EQ(json["gapSize"], (QJsonObject{{"valid", true}, {"value", 23.6}}));
    EXPECT_EQ(json["gapOffset"], (QJsonObject{{"valid", false}, {"value", 0}}));
    EXPECT_EQ(json["codePage"], (QJsonObject{{"valid", true}, {"value", 36}}));
    EXPECT_EQ(json["zControlPrefix"], (QJsonObject{{"valid", true}, {"value", "~"}}));
    EXPECT_EQ(json["btName"], (QJsonObject{{"valid", true}, {"value", "Norvane BT"}}));
    EXPECT_EQ(json["wifiCaCertName"], "CA.DER");
    EXPECT_EQ(json["version"], QString::fromLatin1("V2.03A EZ-1105 \xe9"));
    EXPECT_EQ(ConfigToJson(PrinterConfig{})["dotsPerMm"], 11.8);
}

TEST(ConfigJsonTest, dcfToJsonAndBackGivesTheSameBytes)
{
    const QByteArray golden = TestDataFile("sample-config.dcf");
    QBuffer in;
    in.setData(golden);
    in.open(QIODevice::ReadOnly);
    DcfContents contents;
    QString error;
    ASSERT_TRUE(ReadDcf(in, contents, error));

    const auto back = fromJson(ConfigToJsonText(contents.config), error);
    ASSERT_TRUE(back) << error.toStdString();
    contents.config = *back;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteDcf(out, contents, error));
    EXPECT_EQ(out.data().toHex(), golden.toHex());
}

TEST(ConfigJsonTest, everyByteValueOfATextAndAPrefixSurvives)
{
    PrinterConfig config;
    QByteArray allBytes;
    for (int byte = 1; byte < 128; ++byte)
        allBytes.append(static_cast<char>(byte + 127));
    config.wifiKey.setText(allBytes);
    config.ftpPath.setText(QByteArray("\x01\t\"\\\x7f", 5));
    config.zDelimiter.set('\xa7');
    config.dotsPerMm = 0.1f;
    config.speed.set(-1.25e-7f);

    QString error;
    const auto back = fromJson(ConfigToJsonText(config), error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(ConfigToBytes(*back).toHex(), ConfigToBytes(config).toHex());
}

TEST(ConfigJsonTest, aMissingFieldKeepsItsClearedValue)
{
    QString error;
    const auto config = fromJson(R"({"density": {"valid": true, "value": 7}, "speed": {"valid": true}})", error);
    ASSERT_TRUE(config) << error.toStdString();
    PrinterConfig expected;
    expected.density.set(7);
    expected.speed.valid = 1; // its value stays the cleared 3.0
    EXPECT_EQ(*config, expected);
    EXPECT_EQ(fromJson("{}", error), PrinterConfig{});
}

TEST(ConfigJsonTest, malformedTextAndWrongTypesAreRefusedNamingTheField)
{
    QString error;
    EXPECT_FALSE(fromJson("{\"edition\": 1", error));
    EXPECT_TRUE(error.startsWith("malformed JSON at offset")) << error.toStdString();

    EXPECT_EQ(refusal(R"("edition": "108")"), "field 'edition' must be a whole number from -2147483648 to 2147483647");
    EXPECT_EQ(refusal(R"("edition": 1.5)"), "field 'edition' must be a whole number from -2147483648 to 2147483647");
    EXPECT_EQ(refusal(R"("cutCounter": 2147483648)"),
              "field 'cutCounter' must be a whole number from -2147483648 to 2147483647");
    EXPECT_EQ(refusal(R"("btPresent": 256)"), "field 'btPresent' must be a whole number from 0 to 255");
    EXPECT_EQ(refusal(R"("dpi": 1e39)"), "field 'dpi' must be a number within the range of a 32-bit float");
    EXPECT_EQ(refusal(R"("density": 7)"), "field 'density' must be an object with \"valid\" and \"value\"");
    EXPECT_EQ(refusal(R"("density": {"valid": 1, "value": 7})"), "field 'density.valid' must be true or false");
    EXPECT_EQ(refusal(R"("speed": {"valid": true, "value": null})"),
              "field 'speed.value' must be a number within the range of a 32-bit float");
    EXPECT_EQ(refusal(R"("zDelimiter": {"valid": true, "value": ";;"})"),
              "field 'zDelimiter.value' must be a text of one Latin-1 character");
    EXPECT_EQ(refusal(R"("wifiSsid": {"valid": true, "value": "caf\u00e9 \u20ac"})"),
              "field 'wifiSsid.value' must be a text of Latin-1 characters");
    EXPECT_EQ(refusal(R"("version": 2)"), "field 'version' must be a text of Latin-1 characters");
}

TEST(ConfigJsonTest, anUnknownFieldIsRefusedRatherThanSilentlyIgnored)
{
    EXPECT_EQ(refusal(R"("denstiy": {"valid": true, "value": 7})"), "unknown field 'denstiy'");
    EXPECT_EQ(refusal(R"("density": {"valid": true, "vlaue": 7})"), "unknown field 'density.vlaue'");
}

TEST(ConfigJsonTest, aResolutionNoLengthCanBeDividedByOrAFlagOtherThanZeroOrOneIsRefusedNamingTheField)
{
    EXPECT_EQ(refusal(R"("dpi": 0)"), "field 'dpi' must be at least 0.5 dots per inch");
    EXPECT_EQ(refusal(R"("dpi": 0.3)"), "field 'dpi' must be at least 0.5 dots per inch");
    EXPECT_EQ(refusal(R"("dpi": -203)"), "field 'dpi' must be at least 0.5 dots per inch");
    EXPECT_EQ(refusal(R"("dpi": 1e-45)"), "field 'dpi' must be at least 0.5 dots per inch");
    EXPECT_EQ(refusal(R"("dotsPerMm": 0)"), "field 'dotsPerMm' must be at least 0.05 dots per millimetre");
    EXPECT_EQ(refusal(R"("dotsPerMm": -8)"), "field 'dotsPerMm' must be at least 0.05 dots per millimetre");
    EXPECT_EQ(refusal(R"("btPresent": 2)"), "field 'btPresent' must be 0 or 1");
    EXPECT_EQ(refusal(R"("unitIsInch": 255)"), "field 'unitIsInch' must be 0 or 1");

    EXPECT_EQ(refusal(R"("dpi": 0.5, "dotsPerMm": 0.05, "unitIsInch": 1)"), "accepted");
}

TEST(ConfigJsonTest, anArrayAndTextInUtf16OrUtf32AreRefusedSayingWhatTheyAre)
{
    QString error;
    EXPECT_FALSE(fromJson(R"([{"density": {"valid": true, "value": 7}}])", error));
    EXPECT_EQ(error, "the file holds a JSON array, not a configuration object");
    EXPECT_FALSE(fromJson("  [ ]", error));
    EXPECT_EQ(error, "the file holds a JSON array, not a configuration object");

    const QByteArray json = R"({"density": {"valid": true, "value": 7}})";
    EXPECT_FALSE(fromJson("\xFF\xFE" + widened(json, 2, false), error));
    EXPECT_EQ(error, "the file starts with a UTF-16 (little-endian) byte order mark; save it as UTF-8");
    EXPECT_FALSE(fromJson("\xFE\xFF" + widened(json, 2, true), error));
    EXPECT_EQ(error, "the file starts with a UTF-16 (big-endian) byte order mark; save it as UTF-8");
    EXPECT_FALSE(fromJson(QByteArray("\xFF\xFE\0\0", 4) + widened(json, 4, false), error));
    EXPECT_EQ(error, "the file starts with a UTF-32 (little-endian) byte order mark; save it as UTF-8");
    EXPECT_FALSE(fromJson(widened(json, 2, true), error));
    EXPECT_EQ(error, "the file is UTF-16 (big-endian) text; save it as UTF-8");
    EXPECT_FALSE(fromJson(widened(json, 2, false), error));
    EXPECT_EQ(error, "the file is UTF-16 (little-endian) text; save it as UTF-8");
    EXPECT_FALSE(fromJson(widened(json, 4, true), error));
    EXPECT_EQ(error, "the file is UTF-32 (big-endian) text; save it as UTF-8");
    EXPECT_FALSE(fromJson(widened(json, 4, false), error));
    EXPECT_EQ(error, "the file is UTF-32 (little-endian) text; save it as UTF-8");
}

TEST(ConfigJsonTest, aUtf8ByteOrderMarkIsSkipped)
{
    QString error;
    const auto config = fromJson("\xEF\xBB\xBF{\"density\": {\"valid\": true, \"value\": 7}}\r\n", error);
    ASSERT_TRUE(config) << error.toStdString();
    EXPECT_EQ(config->density.value, 7);
    // Offsets still count the file's bytes.
    QJsonParseError withoutMark;
    QJsonDocument::fromJson(R"({"edition" 1})", &withoutMark);
    EXPECT_FALSE(fromJson("\xEF\xBB\xBF{\"edition\" 1}", error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("malformed JSON at offset %1:").arg(withoutMark.offset + 3)))
        << error.toStdString();
}
