#include "SimServer.h"
#include "FakeUsbTree.h"
#include "SimClient.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

const QByteArray kNetQuery = "DIAGNOSTIC INTERFACE NET\r\n";
const QByteArray kNetAnswer = "{3|NET}";

} // namespace

TEST(SimServerTest, eachTcpClientHasItsOwnStreamAndOneLeavingLeavesTheOthersServed)
{
    sim::VirtualPrinter printer;
    auto server = std::make_unique<sim::SimServer>(printer);
    const int port = server->listenTcp();
    ASSERT_NE(port, 0);
    server->start();

    SimClient first = SimClient::tcp(port);
    SimClient second = SimClient::tcp(port);
    ASSERT_TRUE(first.isOpen() && second.isOpen());
    ASSERT_TRUE(first.send("DIAGNOSTIC INTER"));
    ASSERT_TRUE(second.send(kNetQuery));
    EXPECT_EQ(second.readAtLeast(kNetAnswer.size()), kNetAnswer);
    first.close();

    ASSERT_TRUE(second.send(kNetQuery));
    EXPECT_EQ(second.readAtLeast(kNetAnswer.size()), kNetAnswer);
    SimClient third = SimClient::tcp(port);
    ASSERT_TRUE(third.send(kNetQuery));
    EXPECT_EQ(third.readAtLeast(kNetAnswer.size()), kNetAnswer);
    EXPECT_EQ(printer.commands().count("DIAGNOSTIC INTERFACE NET"), 3);

    server.reset();
    EXPECT_TRUE(second.waitForClose());
    EXPECT_TRUE(third.waitForClose());
}

TEST(SimServerTest, aUsbPrinterIsATerminalBehindTheFakeDeviceTreeUntilUnplugged)
{
    QTemporaryDir dir;
    sim::VirtualPrinter printer;
    auto server = std::make_unique<sim::SimServer>(printer);
    ASSERT_TRUE(server->openUsb(dir.path()));
    server->start();
    const QString node = sim::FakeUsbDeviceNode(dir.path());
    EXPECT_TRUE(QFileInfo(node).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(dir.path() + QStringLiteral("/sys/class/usbmisc/lp0/device")));

    SimClient usb = SimClient::terminal(node);
    ASSERT_TRUE(usb.isOpen());
    ASSERT_TRUE(usb.send("DIAGNOSTIC INTERFACE USB\r\n"));
    EXPECT_EQ(usb.readAtLeast(7), "{3|USB}");

    server.reset();
    EXPECT_FALSE(QFileInfo(node).isSymLink());
}

TEST(SimServerTest, endpointsThatCannotBeMadeAreReportedAsFailures)
{
    sim::VirtualPrinter printer;
    sim::SimServer server(printer);
    EXPECT_FALSE(server.openUsb(QStringLiteral("/dev/null/usb")));
    const int port = server.listenTcp();
    ASSERT_NE(port, 0);
    EXPECT_EQ(server.listenTcp(port), 0);
}
