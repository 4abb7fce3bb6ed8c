#include "files/TestPage.h"

#include <QList>
#include <gtest/gtest.h>
#include <limits>

using namespace norvane;

namespace {

QByteArray script(float dotsPerMm, float width, float height)
{
    return TestPageScript(TestPageRequest{0.0f, dotsPerMm, width, height}).value_or("refused");
}

/// The script's line that starts with `keyword`, without its CR LF.
QByteArray line(float dotsPerMm, float width, float height, const QByteArray& keyword)
{
    for (const QByteArray& each : script(dotsPerMm, width, height).split('\n')) {
        if (each.startsWith(keyword))
            return each.chopped(1);
    }
    return {};
}

} // namespace

TEST(TestPageScriptTest, aFourBySixInchLabelGivesFrameBarcodeAndWordAtEitherResolution)
{
    const QByteArray at203Dpi = "CLS\r\nDIRECTION 0,0\r\nBOX 16,16,796,1202,4\r\n"
                                "BARCODE  149,32,\"25\",101,1,90,2,4,\"1234567890\"\r\n"
                                "TEXT  165,32,\"0\",0,58,58,\"TEST\"\r\nPRINT 1\r\n";
    EXPECT_EQ(script(8.0f, 812.0f, 1218.0f), at203Dpi);
    // Fractions of a dot are dropped, not rounded.
    EXPECT_EQ(script(8.0f, 812.9f, 1218.9f), at203Dpi);
    // 300 dpi: bars 3 and 6; m = 24, bh = 150, and 4d = 47.2, 6d = 70.8 are cut after the sums.
    EXPECT_EQ(script(11.8f, 1200.0f, 1800.0f), "CLS\r\nDIRECTION 0,0\r\nBOX 24,24,1176,1776,4\r\n"
                                               "BARCODE  221,47,\"25\",150,1,90,3,6,\"1234567890\"\r\n"
                                               "TEXT  244,47,\"0\",0,57,57,\"TEST\"\r\nPRINT 1\r\n");
}

TEST(TestPageScriptTest, aLabelOfAtMostFourMillimetresPrintsEmpty)
{
    const QByteArray empty = "CLS\r\nDIRECTION 0,0\r\nPRINT 1\r\n";
    // m = 16 at 8 dots per mm: 32 dots is 4 mm.
    EXPECT_EQ(script(8.0f, 32.0f, 1218.0f), empty);
    EXPECT_EQ(script(8.0f, 812.0f, 32.9f), empty);
    EXPECT_EQ(line(8.0f, 33.0f, 33.0f, "BOX"), "BOX 16,16,17,17,4");
}

TEST(TestPageScriptTest, theBarcodeTakesTheDigitsThatFitAndTheWordNeedsTwentyMillimetres)
{
    // S = 100: k = (100 - 32 - 32) / 26 - 2 = -0.6 becomes 0, an empty content.
    EXPECT_EQ(line(8.0f, 100.0f, 1218.0f, "BARCODE"), "BARCODE  60,32,\"25\",12,1,90,2,4,\"\"");
    // S = 200: k = 136 / 26 - 2 = 3.2.
    EXPECT_TRUE(line(8.0f, 200.0f, 1218.0f, "BARCODE").endsWith(",\"123\""));
    // No TEXT up to 2m + 20d = 192 dots.
    EXPECT_TRUE(line(8.0f, 192.0f, 1218.0f, "TEXT").isEmpty());
    EXPECT_EQ(line(8.0f, 193.0f, 1218.0f, "TEXT"), "TEXT  88,32,\"0\",0,9,9,\"TEST\"");
}

TEST(TestPageScriptTest, theMagnificationStopsAtEighty)
{
    // 624 without the cap; 1 080 dots give 79, under it.
    EXPECT_EQ(line(8.0f, 8000.0f, 8000.0f, "TEXT"), "TEXT  1064,32,\"0\",0,80,80,\"TEST\"");
    EXPECT_TRUE(line(8.0f, 1080.0f, 1080.0f, "TEXT").endsWith(",79,79,\"TEST\""));
}

TEST(TestPageScriptTest, aResolutionOrSizeThatIsNoNumberOrBeyondAnyLabelIsRefused)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(script(nan, 812.0f, 1218.0f), "refused");
    EXPECT_EQ(script(8.0f, inf, 1218.0f), "refused");
    EXPECT_EQ(script(1e30f, 812.0f, 1218.0f), "refused");
    EXPECT_EQ(script(8.0f, 812.0f, -3e9f), "refused");
    // The largest label allowed still gives 32-bit numbers.
    EXPECT_EQ(line(1000.0f, 1e7f, 1e7f, "BOX"), "BOX 2000,2000,9998000,9998000,4");
}

TEST(MakeTestPageRequestTest, aConfigurationNeverReadOrWithoutPaperSizeIsRefusedWithItsMessage)
{
    PrinterConfig config;
    config.paperWidth.set(812.0f);
    QString message;
    EXPECT_FALSE(MakeTestPageRequest(config, message));
    EXPECT_EQ(message, "Please read printer config first");
    config.dpiValid = 1;
    EXPECT_FALSE(MakeTestPageRequest(config, message));
    EXPECT_EQ(message, "Please Entry Paper Height");
    config.paperHeight.set(1218.0f);
    config.paperWidth.valid = 0;
    EXPECT_FALSE(MakeTestPageRequest(config, message));
    EXPECT_EQ(message, "Please Entry Paper Width");

    config.paperWidth.valid = 1;
    const auto request = MakeTestPageRequest(config, message);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->resolution, config.dpi);
    EXPECT_EQ(request->dotsPerMm, config.dotsPerMm);
    EXPECT_EQ(request->paperWidth, 812.0f);
    EXPECT_EQ(request->paperHeight, 1218.0f);
}
