#include "link/DevicePaths.h"

#include <gtest/gtest.h>

using namespace norvane;

TEST(DevicePathsTest, comNamesMapToUsbAdaptersThenModemClassThenBuiltInPorts)
{
    EXPECT_EQ(ComDevicePath("COM1"), "/dev/ttyUSB0");
    EXPECT_EQ(ComDevicePath("COM10"), "/dev/ttyUSB9");
    EXPECT_EQ(ComDevicePath("COM11"), "/dev/ttyACM0");
    EXPECT_EQ(ComDevicePath("COM20"), "/dev/ttyACM9");
    EXPECT_EQ(ComDevicePath("COM21"), "/dev/ttyS0");
    EXPECT_EQ(ComDevicePath("COM30"), "/dev/ttyS9");
}

TEST(DevicePathsTest, namesOutsideTheRangeNameNoDeviceAndPathsAreTakenAsTheyStand)
{
    for (const char* name : {"COM0", "COM31", "COM", "COMX", "COM 3", "COM+3", "", "LPT1"})
        EXPECT_TRUE(ComDevicePath(name).isEmpty()) << name;
    EXPECT_EQ(ComDevicePath("/dev/pts/7"), "/dev/pts/7");
}

TEST(DevicePathsTest, lptNamesMapToParallelPorts)
{
    EXPECT_EQ(LptDevicePath("LPT1"), "/dev/lp0");
    EXPECT_EQ(LptDevicePath("LPT4"), "/dev/lp3");
    EXPECT_TRUE(LptDevicePath("LPT5").isEmpty());
    EXPECT_TRUE(LptDevicePath("LPT0").isEmpty());
    EXPECT_EQ(LptDevicePath("/tmp/printer.fifo"), "/tmp/printer.fifo");
}
