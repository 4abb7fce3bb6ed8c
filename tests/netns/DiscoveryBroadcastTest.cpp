#include "SimPrinter.h"
#include "net/DiscoveryClient.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;
using namespace std::chrono_literals;

namespace {

/// True only inside a network namespace whose one interface is the loopback: then nothing sent to the
/// broadcast or multicast address can leave the machine.
bool isolated()
{
    QFile devices(QStringLiteral("/proc/self/net/dev"));
    if (!devices.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = devices.readAll().split('\n');
    int interfaces = 0;
    for (const QByteArray& line : lines.mid(2)) {
        const QByteArray name = line.trimmed().split(':').value(0);
        if (name.isEmpty())
            continue;
        if (name != "lo")
            return false;
        ++interfaces;
    }
    return interfaces == 1;
}

DiscoveryTargets realAddressesOn(int port)
{
    DiscoveryTargets targets;
    targets.broadcast.port = targets.multicast.port = static_cast<std::uint16_t>(port);
    return targets;
}

} // namespace

class DiscoveryBroadcastTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!isolated())
            GTEST_SKIP() << "not inside a network namespace that has only the loopback interface";
    }
};

TEST_F(DiscoveryBroadcastTest, aPrinterAnswersBothTheBroadcastAndTheMulticastRequest)
{
    SimPrinter sim;
    const DiscoveryTargets targets = realAddressesOn(sim.udpPort);
    ASSERT_EQ(targets.broadcast.address.toString(), "255.255.255.255");
    ASSERT_EQ(targets.multicast.address.toString(), "224.0.0.251");

    const QList<DiscoveryReply> replies = DiscoveryClient(targets, {300ms, 1000ms}).discover(1);
    ASSERT_EQ(replies.size(), 2);
    EXPECT_EQ(replies[0].name, "NV-PRINTER");
    EXPECT_EQ(replies[1].name, "NV-PRINTER");
}

TEST_F(DiscoveryBroadcastTest, settingsAreReadAndChangedByMacOverTheBroadcastAddress)
{
    SimPrinter sim;
    const DiscoveryClient client(realAddressesOn(sim.udpPort), {300ms, 1000ms});
    const MacBytes mac = sim.printer.withState([](const sim::PrinterState& state) { return state.network.mac; });
    auto exchange = client.exchangeSettings(4, mac);
    ASSERT_TRUE(exchange);
    EthernetSettings settings;
    exchange->read(settings);
    EXPECT_EQ(settings.ipAddress, "192.168.1.57");
    settings.printerName = "Broadcast";
    exchange->write(settings);
    EXPECT_EQ(sim.printer.snapshot().network.name, "Broadcast");
}
