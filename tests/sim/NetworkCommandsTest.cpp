#include "DiscoveryResponder.h"
#include "VirtualPrinter.h"
#include "net/DiscoveryDatagram.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::sim;

namespace {

constexpr MacBytes kOurs{0x00, 0x1B, 0x82, 0x4E, 0x56, 0x01};

/// Sends `text` to a fresh session and returns what the printer answered.
QByteArray say(VirtualPrinter& printer, const QByteArray& text)
{
    QByteArray answer;
    auto session = printer.openSession();
    for (const Output& output : session->receive(text))
        answer += output.bytes;
    return answer;
}

QByteArray reports(VirtualPrinter& printer)
{
    return say(printer, "DIAGNOSTIC REPORT CONFIGIP\r\nDIAGNOSTIC REPORT GATEWAY\r\nDIAGNOSTIC REPORT IPMASK\r\n"
                        "DIAGNOSTIC REPORT LASTUSEDIP\r\nDIAGNOSTIC REPORT NETNAME\r\nDIAGNOSTIC REPORT MACADDR\r\n");
}

} // namespace

TEST(NetworkCommandsTest, reportsFollowTheNetCommands)
{
    VirtualPrinter printer;
    EXPECT_EQ(reports(printer), "{7|0.0.0.0}{7|0.0.0.0}{7|0.0.0.0}{12|192.168.1.57}{10|NV-PRINTER}"
                                "{17|00:1B:82:4E:56:01}");
    say(printer, "NET IP \"10.0.0.9\",\"255.0.0.0\",\"10.0.0.1\"\r\nNET NAME \"Dock-A01\"\r\n");
    EXPECT_EQ(reports(printer), "{8|10.0.0.9}{8|10.0.0.1}{9|255.0.0.0}{8|10.0.0.9}{8|Dock-A01}{17|00:1B:82:4E:56:01}");
    say(printer, "NET DHCP\r\n");
    EXPECT_EQ(reports(printer).left(40), "{7|0.0.0.0}{8|10.0.0.1}{9|255.0.0.0}{12|");
}

TEST(NetworkCommandsTest, aMalformedNetIpChangesNothingAndANamelessPrinterDoesNotAnswer)
{
    VirtualPrinter printer;
    say(printer, "NET IP \"10.0.0.9\",\"255.0.0.0\"\r\n");
    EXPECT_TRUE(printer.snapshot().network.dhcp);
    EXPECT_TRUE(printer.commands().last().contains("refused"));
    printer.withState([](PrinterState& state) { state.network.reportsName = false; });
    EXPECT_EQ(say(printer, "DIAGNOSTIC REPORT NETNAME\r\n"), "");
}

TEST(DiscoveryResponderTest, discoverIsAnsweredWithIdentityAddressAndStatusWhateverTheTarget)
{
    NetworkState network;
    network.discoveryStatus = 3;
    network.errorFlags = 0x20;
    const QList<QByteArray> answers = AnswerDiscovery(DiscoverRequest(42), network);
    ASSERT_EQ(answers.size(), 1);
    const auto reply = ParseDiscoveryReply(answers[0]);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->mac, kOurs);
    EXPECT_EQ(FormatIpv4(reply->address), "192.168.1.57");
    EXPECT_EQ(reply->name, "NV-PRINTER");
    EXPECT_EQ(reply->model, "NV-4100");
    EXPECT_EQ(DiscoveryStatusText(reply->status, reply->errorFlags), "Cutter Error");
    EXPECT_EQ(answers[0].mid(12, 2), QByteArray::fromHex("002A")) << "the sequence number comes back";

    network.discoverAnswers = 2;
    network.runtBeforeAnswer = true;
    const QList<QByteArray> repeated = AnswerDiscovery(DiscoverRequest(1), network);
    ASSERT_EQ(repeated.size(), 4);
    EXPECT_LT(repeated[0].size(), 32);
    EXPECT_EQ(repeated[1], repeated[3]);
    EXPECT_TRUE(AnswerDiscovery(DiscoverRequest(1).first(31), network).isEmpty());
}

TEST(DiscoveryResponderTest, setGroupsTakeEffectOnlyWithTheClosingGroup)
{
    NetworkState network;
    SettingsRequests requests(7, kOurs);
    EXPECT_EQ(AnswerDiscovery(requests.setName("Dock-B"), network).size(), 1);
    AnswerDiscovery(requests.setAddresses({10, 9, 8, 7}, {255, 255, 0, 0}, {10, 9, 0, 1}), network);
    AnswerDiscovery(requests.setDhcp(false), network);
    EXPECT_EQ(network.name, "NV-PRINTER");
    EXPECT_TRUE(network.dhcp);
    AnswerDiscovery(requests.commit(), network);
    EXPECT_EQ(network.name, "Dock-B");
    EXPECT_FALSE(network.dhcp);
    EXPECT_EQ(network.address, "10.9.8.7");
    EXPECT_EQ(network.mask, "255.255.0.0");
    EXPECT_EQ(network.gateway, "10.9.0.1");

    const QByteArray group4 = AnswerDiscovery(requests.getGroup(SettingsGroup::Addresses), network).value(0);
    EXPECT_EQ(FormatIpv4(AddressesFromReply(group4).address), "10.9.8.7");
    EXPECT_FALSE(DhcpFromReply(AnswerDiscovery(requests.getGroup(SettingsGroup::Dhcp), network).value(0)));
}

TEST(DiscoveryResponderTest, requestsForAnotherPrinterOrCutShortAreIgnored)
{
    NetworkState network;
    network.name = "Mine";
    network.dhcp = false;
    SettingsRequests other(1, {0, 0, 0, 0, 0, 1});
    for (const QByteArray& request :
         {other.setName("Theirs"), other.commit(), FactoryDefaultRequest(1, {1, 2, 3, 4, 5, 6})})
        EXPECT_TRUE(AnswerDiscovery(request, network).isEmpty());
    SettingsRequests ours(1, kOurs);
    EXPECT_TRUE(AnswerDiscovery(ours.setName("Short").first(500), network).isEmpty());
    AnswerDiscovery(ours.commit(), network);
    EXPECT_EQ(network.name, "Mine");
    EXPECT_FALSE(network.dhcp);

    EXPECT_TRUE(AnswerDiscovery(FactoryDefaultRequest(2, kOurs), network).isEmpty());
    EXPECT_TRUE(network.dhcp);
    EXPECT_EQ(network.name, "NV-PRINTER");
    EXPECT_EQ(network.datagrams.size(), 6);
}
