#include "protocol/BluetoothScan.h"
#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;
using namespace std::chrono_literals;

TEST(BluetoothScanReplyTest, devicesFollowTheCountOnePerLine)
{
    BluetoothScanResult result;
    ASSERT_TRUE(ParseBluetoothScanReply("3\rScanner,00:11:22:33:44:55\r,00:AA:BB:CC:DD:EE\rPhone,11:22\r", result));
    EXPECT_TRUE(result.moduleFound);
    ASSERT_EQ(result.devices.size(), 3);
    EXPECT_EQ(result.devices[0].name, "Scanner");
    EXPECT_EQ(result.devices[0].address, "00:11:22:33:44:55");
    EXPECT_EQ(result.devices[1].name, ""); // a device without a name keeps its address
    EXPECT_EQ(result.devices[2].address, "11:22");
}

TEST(BluetoothScanReplyTest, minusOneMeansNoModuleAndZeroNoDevices)
{
    BluetoothScanResult result;
    ASSERT_TRUE(ParseBluetoothScanReply("-1\r", result));
    EXPECT_FALSE(result.moduleFound);
    ASSERT_TRUE(ParseBluetoothScanReply("0\r", result));
    EXPECT_TRUE(result.moduleFound);
    EXPECT_TRUE(result.devices.isEmpty());
    EXPECT_FALSE(ParseBluetoothScanReply("2", result));
}

TEST(BluetoothScanReplyTest, aMissingSeparatorEndsTheListEarly)
{
    BluetoothScanResult result;
    ASSERT_TRUE(ParseBluetoothScanReply("3\rA,1\rB,2", result));
    ASSERT_EQ(result.devices.size(), 1);
    ASSERT_TRUE(ParseBluetoothScanReply("2\rA,1\rB\r", result));
    EXPECT_EQ(result.devices.size(), 1);
    // The name runs to the next comma, whatever comes between.
    ASSERT_TRUE(ParseBluetoothScanReply("2\rA,1\rB\rC,3\r", result));
    ASSERT_EQ(result.devices.size(), 2);
    EXPECT_EQ(result.devices[1].name, "B\rC");
}

TEST(BluetoothScanReplyTest, longTextsAreCutAndDevicesBeyondAHundredDropped)
{
    QByteArray reply = "150\r";
    for (int i = 0; i < 150; ++i)
        reply += "A very long device name " + QByteArray::number(i) + ",00:11:22:33:44:55:66:77:88\r";
    BluetoothScanResult result;
    ASSERT_TRUE(ParseBluetoothScanReply(reply, result));
    ASSERT_EQ(result.devices.size(), 100);
    EXPECT_EQ(result.devices[0].name, "A very long device ");
    EXPECT_EQ(result.devices[99].address, "00:11:22:33:44:55:6");
}

class BluetoothOperationsTest : public ::testing::Test
{
protected:
    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
};

TEST_F(BluetoothOperationsTest, theScanWaitsWithProgressThenReadsOneFrame)
{
    s.links.timeouts().bluetoothScan = 100ms;
    s.device->respond = [](QByteArrayView command) {
        if (command.startsWith("\r\nDIAGNOSTIC INTERFACE"))
            return QByteArray("{3|USB}");
        return QByteArray();
    };
    BluetoothScanResult result;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ScanBluetooth>(InterfaceKind::Usb, result, 1),
              ResultCode::DataReceivingError);
    EXPECT_EQ(s.device->written, "\r\nDIAGNOSTIC INTERFACE USB\r\nDIAGNOSTIC REPORT SCANBT\r\n");
    // The bar starts at 3 and advances by 3 on each of the hundred pauses, up to its end.
    EXPECT_EQ(s.recorder.calls.first(), "show");
    EXPECT_EQ(s.recorder.calls.at(1), "bar 3");
    EXPECT_EQ(s.recorder.calls.at(2), "bar 6");
    EXPECT_EQ(s.recorder.calls.last(), "hide");

    // The answer comes after the search, so input discarded before it does not take it away.
    s.device->written.clear();
    s.device->arrive = [this, answered = false]() mutable {
        if (answered || !s.device->written.endsWith("SCANBT\r\n"))
            return QByteArray();
        answered = true;
        return QByteArray("{12|1\rPad,00:01\r}");
    };
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ScanBluetooth>(InterfaceKind::Usb, result, 1), ResultCode::Success);
    ASSERT_EQ(result.devices.size(), 1);
    EXPECT_EQ(result.devices[0].name, "Pad");
}

TEST_F(BluetoothOperationsTest, aFailedAnnouncementIsATransmissionError)
{
    BluetoothScanResult result;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ScanBluetooth>(InterfaceKind::Usb, result, 1),
              ResultCode::DataTransmissionError);
    EXPECT_FALSE(s.progress.isShown());
}

TEST_F(BluetoothOperationsTest, masterConnectionAndWirelessFactoryDefaultSendOneLine)
{
    QByteArray address = "00:1B:82:11:22:33";
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ConnectBluetooth>(InterfaceKind::Com, address), ResultCode::Success);
    EXPECT_EQ(s.device->written, "BT DMAC \"00:1B:82:11:22:33\"\r\n");
    address.clear();
    s.device->written.clear();
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ConnectBluetooth>(InterfaceKind::Com, address), ResultCode::Success);
    EXPECT_EQ(s.device->written, "BT DMAC \"\"\r\n");
    address = "x\"\r\nINITIALPRINTER";
    s.device->written.clear();
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ConnectBluetooth>(InterfaceKind::Com, address),
              ResultCode::UnknowError);
    EXPECT_TRUE(s.device->written.isEmpty());

    EXPECT_EQ(dispatcher.dispatch<OperationCode::WirelessFactoryDefault>(InterfaceKind::Lpt), ResultCode::Success);
    EXPECT_EQ(s.device->written, "WLAN DEFAULT\r\n");
}
