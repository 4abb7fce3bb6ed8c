#include "SimPrinter.h"
#include "net/DiscoveryClient.h"
#include "net/EthernetSettings.h"
#include "net/NetAddress.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;
using namespace std::chrono_literals;

namespace {

/// Short enough to keep the suite quick; loopback answers come long before.
constexpr DiscoveryTimeouts kQuick{300ms, 1000ms};

QList<std::uint16_t> sequencesSeen(SimPrinter& sim)
{
    return sim.printer.withState([](const sim::PrinterState& state) {
        QList<std::uint16_t> sequences;
        for (const QByteArray& datagram : state.network.datagrams)
            sequences.append(static_cast<std::uint16_t>(static_cast<std::uint8_t>(datagram[12]) << 8 |
                                                        static_cast<std::uint8_t>(datagram[13])));
        return sequences;
    });
}

MacBytes macOf(SimPrinter& sim)
{
    return sim.printer.withState([](const sim::PrinterState& state) { return state.network.mac; });
}

} // namespace

TEST(DiscoveryOverLoopbackTest, everyAnswerOfBothRequestsIsListedInArrivalOrder)
{
    SimPrinter dock;
    SimPrinter shelf;
    dock.printer.withState([](sim::PrinterState& state) {
        state.network.name = "Dock";
        state.network.discoverAnswers = 2;
    });
    shelf.printer.withState([](sim::PrinterState& state) {
        state.network.name = "Shelf";
        state.network.mac = {0x00, 0x1B, 0x82, 0x00, 0x00, 0x02};
        state.network.dhcp = false;
        state.network.address = "10.0.0.20";
        state.network.discoveryStatus = 3;
        state.network.errorFlags = 0x04;
    });
    DiscoveryClient client({dock.loopbackTargets().broadcast, shelf.loopbackTargets().multicast}, kQuick);

    QList<QByteArray> seen;
    const QList<DiscoveryReply> replies =
        client.discover(5, [&](const DiscoveryReply& reply) { seen.append(reply.name); });
    ASSERT_EQ(replies.size(), 3);
    EXPECT_EQ(seen, (QList<QByteArray>{"Dock", "Dock", "Shelf"}));
    EXPECT_EQ(FormatMacAddress(replies[0].mac), "00:1B:82:4E:56:01");
    EXPECT_EQ(FormatIpv4(replies[2].address), "10.0.0.20");
    EXPECT_EQ(DiscoveryStatusText(replies[2].status, replies[2].errorFlags), "Paper Empty");
    EXPECT_EQ(sequencesSeen(dock), QList<std::uint16_t>{5});
    EXPECT_EQ(sequencesSeen(shelf), QList<std::uint16_t>{5});

    client.discover(6);
    EXPECT_EQ(sequencesSeen(dock), (QList<std::uint16_t>{5, 6}));
}

TEST(DiscoveryOverLoopbackTest, datagramsShorterThanTheHeaderAreDropped)
{
    SimPrinter sim;
    sim.printer.withState([](sim::PrinterState& state) { state.network.runtBeforeAnswer = true; });
    const QList<DiscoveryReply> replies = DiscoveryClient(sim.loopbackTargets(), kQuick).discover(1);
    ASSERT_EQ(replies.size(), 2) << "one answer to each request, the runts dropped";
    EXPECT_EQ(replies[0].name, "NV-PRINTER");
}

TEST(DiscoveryOverLoopbackTest, nothingAnsweringEndsWithAnEmptyList)
{
    SimPrinter sim;
    DiscoveryTargets silent = sim.loopbackTargets();
    silent.broadcast.port = silent.multicast.port = static_cast<std::uint16_t>(sim.tcpPort);
    EXPECT_TRUE(DiscoveryClient(silent, kQuick).discover(1).isEmpty());
}

TEST(SettingsOverDiscoveryTest, whatIsSetByMacIsWhatThePrinterThenReportsOverTcp)
{
    SimPrinter sim;
    DiscoveryClient client(sim.loopbackTargets(), kQuick);
    auto exchange = client.exchangeSettings(9, macOf(sim));
    ASSERT_TRUE(exchange);
    EthernetSettings settings;
    settings.ipAddress.clear();
    exchange->read(settings);
    EXPECT_EQ(settings.dhcp, 1);
    EXPECT_EQ(settings.ipAddress, "192.168.1.57");
    EXPECT_EQ(settings.lastUsedIp, "192.168.1.57");

    settings.dhcp = 0;
    settings.ipAddress = "10.1.2.3";
    settings.subnetMask = "255.255.255.0";
    settings.gateway = "10.1.2.1";
    settings.printerName = "Renamed";
    exchange->write(settings);

    EthernetSettings reported;
    ASSERT_EQ(sim.dispatcher->dispatch<OperationCode::ReadEthernetSettings>(InterfaceKind::Ethernet, reported),
              ResultCode::Success);
    EXPECT_EQ(reported.dhcp, 0);
    EXPECT_EQ(reported.ipAddress, "10.1.2.3");
    EXPECT_EQ(reported.subnetMask, "255.255.255.0");
    EXPECT_EQ(reported.gateway, "10.1.2.1");
    EXPECT_EQ(reported.printerName, "Renamed");
    EXPECT_EQ(reported.macAddress, "00:1B:82:4E:56:01");
    EXPECT_EQ(sequencesSeen(sim), QList<std::uint16_t>(6, 9));
}

TEST(SettingsOverDiscoveryTest, printerCommandsAndFactoryDefaultShowInDiscovery)
{
    SimPrinter sim;
    EthernetSettings settings;
    settings.dhcp = 0;
    settings.ipAddress = "172.16.0.5";
    settings.subnetMask = "255.255.0.0";
    settings.gateway = "172.16.0.1";
    ASSERT_EQ(sim.dispatcher->dispatch<OperationCode::SetIpAddress>(InterfaceKind::Ethernet, settings),
              ResultCode::Success);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return !state.network.dhcp; }));
    DiscoveryClient client(sim.loopbackTargets(), kQuick);
    EXPECT_EQ(FormatIpv4(client.discover(1).value(0).address), "172.16.0.5");

    ASSERT_TRUE(client.factoryDefault(2, macOf(sim)));
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.network.dhcp; }));
    EXPECT_EQ(FormatIpv4(client.discover(3).value(0).address), "192.168.1.57");
}
