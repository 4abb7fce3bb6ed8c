#include "link/LinkSettings.h"

#include <gtest/gtest.h>

using namespace norvane;

TEST(LinkSettingsTest, defaultsShowTheDocumentedStatusBarTexts)
{
    const LinkSettings settings;
    EXPECT_EQ(SerialLinkDisplayText(settings.serial), QStringLiteral("COM1 9600,N,8,1 RTS "));
    EXPECT_EQ(ParallelLinkDisplayText(settings.parallel), QStringLiteral("LPT1"));
    EXPECT_EQ(settings.ethernet.port, 9100);
    EXPECT_TRUE(settings.ethernet.host.isEmpty());
}

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
