#include "link/LinkSettings.h"

#include <gtest/gtest.h>

using namespace norvane;

TEST(LinkSettingsTest, everyIndexShowsItsTextAndAnIndexOutsideItsListShowsNothing)
{
    SerialLinkSettings serial;
    serial.portName = QStringLiteral("COM12");
    serial.baudRate = 6;
    serial.parity = 2;
    serial.dataBits = 0;
    serial.stopBits = 1;
    serial.hardwareHandshake = 2;
    serial.softwareHandshake = 1;
    EXPECT_EQ(SerialLinkDisplayText(serial), QStringLiteral("COM12 115200,E,7,1.5 RTS/CTS Xon/Xoff"));

    serial.baudRate = 7; // the empty eighth item of the baud list
    serial.softwareHandshake = 0;
    EXPECT_EQ(SerialLinkDisplayText(serial), QStringLiteral("COM12 ,E,7,1.5 RTS/CTS "));
}

TEST(LinkSettingsTest, aNetworkTargetIsAHostWithAnOptionalPort)
{
    const auto parse = [](const QString& target) {
        EthernetLinkSettings ethernet;
        ethernet.host = "unchanged";
        return ParseNetworkTarget(target, ethernet)
                   ? QStringLiteral("%1 %2").arg(ethernet.host).arg(ethernet.port)
                   : QStringLiteral("refused, %1 %2").arg(ethernet.host).arg(ethernet.port);
    };
    EXPECT_EQ(parse("printer.local"), "printer.local 9100");
    EXPECT_EQ(parse("10.0.0.5:6101"), "10.0.0.5 6101");
    EXPECT_EQ(parse("[::1]:9101"), "::1 9101");
    EXPECT_EQ(parse("[fe80::1]"), "fe80::1 9100");
    EXPECT_EQ(parse("host:99999"), "refused, unchanged 9100");
    EXPECT_EQ(parse("host:"), "refused, unchanged 9100");
    EXPECT_EQ(parse(":9100"), "refused, unchanged 9100");
    EXPECT_EQ(parse("[::1]x"), "refused, unchanged 9100");
}
