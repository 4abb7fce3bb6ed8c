#include "net/NetAddress.h"

#include <gtest/gtest.h>

using namespace norvane;

namespace {
constexpr Ipv4Bytes kAllOnes{255, 255, 255, 255};
}

TEST(Ipv4TextTest, dottedDecimalHasNoLeadingZeros)
{
    EXPECT_EQ(FormatIpv4({192, 168, 1, 100}), "192.168.1.100");
    EXPECT_EQ(FormatIpv4({0, 0, 0, 0}), "0.0.0.0");
    EXPECT_EQ(FormatIpv4({10, 0, 7, 255}), "10.0.7.255");
}

TEST(Ipv4TextTest, fourGroupsBelow256ParseAndTrailingTextAfterTheFourthIsIgnored)
{
    EXPECT_EQ(ParseIpv4("10.0.0.1"), (Ipv4Bytes{10, 0, 0, 1}));
    EXPECT_EQ(ParseIpv4("10.0.0.1x"), (Ipv4Bytes{10, 0, 0, 1}));
    EXPECT_EQ(ParseIpv4("10.0.0.1 "), (Ipv4Bytes{10, 0, 0, 1}));
    EXPECT_EQ(ParseIpv4("255.255.255.254"), (Ipv4Bytes{255, 255, 255, 254}));
    EXPECT_EQ(ParseIpv4("010.000.0.9"), (Ipv4Bytes{10, 0, 0, 9}));
}

TEST(Ipv4TextTest, anythingElseGivesAllOnes)
{
    for (const char* text : {"10.0.0", "256.1.1.1", "a.b.c.d", "", "10..0.1", "10.0.0.1.", "10.0.0.1.5", " 10.0.0.1",
                             "1.2.3.999", "1.2.3.", "-1.2.3.4", "00000000256.0.0.0"})
        EXPECT_EQ(ParseIpv4(text), kAllOnes) << text;
}

TEST(MacTextTest, sixTwoDigitGroupsInEitherCaseAreTaken)
{
    EXPECT_EQ(ParseMacAddress("00:1b:82:0A:00:FF"), (MacBytes{0x00, 0x1B, 0x82, 0x0A, 0x00, 0xFF}));
    EXPECT_EQ(FormatMacAddress({0x00, 0x1b, 0x82, 0x0a, 0x00, 0xff}), "00:1B:82:0A:00:FF");
    const MacBytes mac{0xDE, 0xAD, 0xBE, 0xEF, 0x01, 0x23};
    EXPECT_EQ(ParseMacAddress(FormatMacAddress(mac)), mac);
}

TEST(MacTextTest, anyOtherShapeIsRefused)
{
    for (const char* text : {"0:1B:82:0A:00:FF", "00:1B:82:0A:00:FF:", "00:1B:82:0A:00", "00-1B-82-0A-00-FF",
                             "00:1B:82:0A:00:FG", "001B:82:0A:00:FF0", "", "00:1B:82:0A:00:FF ", " 0:1B:82:0A:00:FF"})
        EXPECT_FALSE(ParseMacAddress(text).has_value()) << text;
}
