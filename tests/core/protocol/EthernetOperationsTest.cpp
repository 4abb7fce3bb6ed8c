#include "protocol/EthernetOperations.h"
#include "ScriptedTransport.h"
#include "net/EthernetSettings.h"
#include "protocol/CommandDispatcher.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

class EthernetOperationsTest : public ::testing::Test
{
protected:
    void answer(const QMap<QByteArray, QByteArray>& reports)
    {
        s.device->respond = [reports](QByteArrayView command) {
            const QByteArray line = command.toByteArray().trimmed();
            if (line.startsWith("DIAGNOSTIC INTERFACE"))
                return QByteArray("{2|OK}");
            const QByteArray key = line.mid(18);
            if (line.startsWith("DIAGNOSTIC REPORT ") && reports.contains(key))
                return '{' + QByteArray::number(reports.value(key).size()) + '|' + reports.value(key) + '}';
            return QByteArray();
        };
    }

    QMap<QByteArray, QByteArray> staticPrinter() const
    {
        return {{"CONFIGIP", "10.1.2.3"},   {"GATEWAY", "10.1.2.1"}, {"IPMASK", "255.255.255.0"},
                {"LASTUSEDIP", "10.1.2.3"}, {"NETNAME", "Dock-A01"}, {"MACADDR", "00:1B:82:0A:00:FF"}};
    }

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
};

TEST_F(EthernetOperationsTest, readsEverySettingInOrderOverTheChosenLink)
{
    answer(staticPrinter());
    EthernetSettings settings;
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadEthernetSettings>(InterfaceKind::Ethernet, settings),
              ResultCode::Success);
    EXPECT_EQ(s.device->written, "\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT CONFIGIP\r\n"
                                 "DIAGNOSTIC REPORT GATEWAY\r\nDIAGNOSTIC REPORT IPMASK\r\n"
                                 "DIAGNOSTIC REPORT LASTUSEDIP\r\nDIAGNOSTIC REPORT NETNAME\r\n"
                                 "DIAGNOSTIC REPORT MACADDR\r\n");
    EXPECT_EQ(settings.dhcp, 0);
    EXPECT_EQ(settings.ipAddress, "10.1.2.3");
    EXPECT_EQ(settings.gateway, "10.1.2.1");
    EXPECT_EQ(settings.subnetMask, "255.255.255.0");
    EXPECT_EQ(settings.printerName, "Dock-A01");
    EXPECT_EQ(settings.macAddress, "00:1B:82:0A:00:FF");
}

TEST_F(EthernetOperationsTest, onlyAnExactZeroAddressMeansDhcp)
{
    auto reports = staticPrinter();
    EthernetSettings settings;
    reports["CONFIGIP"] = "0.0.0.0";
    answer(reports);
    dispatcher.dispatch<OperationCode::ReadEthernetSettings>(InterfaceKind::Usb, settings);
    EXPECT_EQ(settings.dhcp, 1);
    for (const QByteArray text : {"0.0.0.0 ", "10.0.0.0.0", "0.0.0.00", "0.0.0.0\r"}) {
        reports["CONFIGIP"] = text;
        answer(reports);
        dispatcher.dispatch<OperationCode::ReadEthernetSettings>(InterfaceKind::Usb, settings);
        EXPECT_EQ(settings.dhcp, 0) << text.constData();
        EXPECT_EQ(settings.ipAddress, text);
    }
}

TEST_F(EthernetOperationsTest, aMissingNameOrMacStillSucceedsWithEmptyTexts)
{
    auto reports = staticPrinter();
    reports.remove("NETNAME");
    answer(reports);
    EthernetSettings settings;
    settings.printerName = "stale";
    settings.macAddress = "stale";
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadEthernetSettings>(InterfaceKind::Usb, settings),
              ResultCode::Success);
    EXPECT_TRUE(settings.printerName.isEmpty());
    EXPECT_TRUE(settings.macAddress.isEmpty());
    EXPECT_FALSE(s.device->written.contains("MACADDR")) << "the MAC query follows a name only";

    reports = staticPrinter();
    reports.remove("MACADDR");
    answer(reports);
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadEthernetSettings>(InterfaceKind::Usb, settings),
              ResultCode::Success);
    EXPECT_EQ(settings.printerName, "Dock-A01");
    EXPECT_TRUE(settings.macAddress.isEmpty());
}

TEST_F(EthernetOperationsTest, aMissingAddressReportFailsAndLongRepliesAreCut)
{
    for (const char* key : {"CONFIGIP", "GATEWAY", "IPMASK", "LASTUSEDIP"}) {
        auto reports = staticPrinter();
        reports.remove(key);
        answer(reports);
        EthernetSettings settings;
        EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadEthernetSettings>(InterfaceKind::Usb, settings),
                  ResultCode::DataReceivingError)
            << key;
    }
    auto reports = staticPrinter();
    reports["NETNAME"] = QByteArray(200, 'x');
    answer(reports);
    EthernetSettings settings;
    dispatcher.dispatch<OperationCode::ReadEthernetSettings>(InterfaceKind::Usb, settings);
    EXPECT_EQ(settings.printerName, QByteArray(63, 'x'));
}

TEST_F(EthernetOperationsTest, setIpSendsDhcpOrTheThreeAddressesAsTyped)
{
    EthernetSettings settings;
    settings.dhcp = 1;
    settings.ipAddress = "junk\"";
    ASSERT_EQ(dispatcher.dispatch<OperationCode::SetIpAddress>(InterfaceKind::Usb, settings), ResultCode::Success);
    EXPECT_EQ(s.device->written, "NET DHCP\r\n");

    s.device->written.clear();
    settings.dhcp = 0;
    settings.ipAddress = "10.0.0.9";
    settings.subnetMask = "255.0.0.0";
    settings.gateway = "not checked";
    ASSERT_EQ(dispatcher.dispatch<OperationCode::SetIpAddress>(InterfaceKind::Usb, settings), ResultCode::Success);
    EXPECT_EQ(s.device->written, "NET IP \"10.0.0.9\",\"255.0.0.0\",\"not checked\"\r\n");
}

TEST_F(EthernetOperationsTest, textsTheCommandCannotCarryAreRefusedBeforeSending)
{
    EthernetSettings settings;
    settings.dhcp = 0;
    settings.gateway = "1.1.1.1\"\r\nINITIALPRINTER";
    EXPECT_EQ(dispatcher.dispatch<OperationCode::SetIpAddress>(InterfaceKind::Usb, settings), ResultCode::UnknowError);
    settings.printerName = "a\"b";
    EXPECT_EQ(dispatcher.dispatch<OperationCode::SetPrinterName>(InterfaceKind::Usb, settings),
              ResultCode::UnknowError);
    EXPECT_TRUE(s.device->written.isEmpty());

    settings.printerName = "Fifteen-chars-x";
    ASSERT_EQ(dispatcher.dispatch<OperationCode::SetPrinterName>(InterfaceKind::Usb, settings), ResultCode::Success);
    EXPECT_EQ(s.device->written, "NET NAME \"Fifteen-chars-x\"\r\n");
}

TEST_F(EthernetOperationsTest, aLinkThatDoesNotOpenGivesOne)
{
    s.device->refuseOpen = true;
    EthernetSettings settings;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadEthernetSettings>(InterfaceKind::Usb, settings),
              ResultCode::PortOpenError);
    EXPECT_EQ(dispatcher.dispatch<OperationCode::SetPrinterName>(InterfaceKind::Usb, settings),
              ResultCode::PortOpenError);
}
