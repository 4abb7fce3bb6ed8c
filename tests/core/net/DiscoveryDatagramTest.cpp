#include "net/DiscoveryDatagram.h"

#include <gtest/gtest.h>

using namespace norvane;

namespace {

constexpr MacBytes kMac{0x00, 0x1B, 0x82, 0x0A, 0x00, 0xFF};

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

/// Header bytes common to every request, from offset 0 to 6, and the fixed bytes 14 to 21.
QByteArray header(const char* classCommandLength, const char* sequence, const char* mac)
{
    return hex("0020 0001 0001 08") + hex(classCommandLength) + hex(sequence) + hex("0000 010000000000") + hex(mac) +
           hex("0000 0000");
}

} // namespace

TEST(DiscoveryRequestTest, discoverAndFactoryDefaultAreBareHeaders)
{
    EXPECT_EQ(DiscoverRequest(0x0102), header("00 0002 0000", "0102", "FFFFFFFFFFFF"));
    EXPECT_EQ(FactoryDefaultRequest(7, kMac), header("02 0001 0000", "0007", "001B820A00FF"));
    EXPECT_EQ(DiscoverRequest(1).size(), 32);
}

TEST(DiscoveryRequestTest, getGroupCarriesTheGroupAfterTheHeader)
{
    SettingsRequests requests(3, kMac);
    EXPECT_EQ(requests.getGroup(SettingsGroup::Addresses),
              header("02 0003 0002", "0003", "001B820A00FF") + hex("0400"));
    EXPECT_EQ(requests.getGroup(SettingsGroup::Dhcp), header("02 0003 0002", "0003", "001B820A00FF") + hex("0500"));
}

TEST(DiscoveryRequestTest, setGroupsPlaceTheirDataAndKeepWhatEarlierRequestsPlaced)
{
    SettingsRequests requests(9, kMac);
    requests.getGroup(SettingsGroup::Dhcp);
    const QByteArray name = requests.setName("Shipping-2");
    ASSERT_EQ(name.size(), 1064);
    EXPECT_EQ(name.first(36), header("02 0004 0408", "0009", "001B820A00FF") + hex("00000000"));
    EXPECT_EQ(name.mid(176, 11), QByteArray("Shipping-2\0", 11));
    EXPECT_EQ(name.size() - name.count('\0'), 14 + 10) << "the header's non-zero bytes and the name, nothing else";

    const QByteArray addresses = requests.setAddresses({192, 168, 1, 20}, {255, 255, 255, 0}, {192, 168, 1, 1});
    EXPECT_EQ(addresses.mid(32, 4), hex("00000400"));
    EXPECT_EQ(addresses.mid(69, 12), hex("C0A80114 FFFFFF00 C0A80101"));
    EXPECT_EQ(addresses.mid(176, 10), "Shipping-2");

    const QByteArray dhcpOn = requests.setDhcp(true);
    EXPECT_EQ(dhcpOn.mid(32, 4), hex("00000500"));
    EXPECT_EQ(dhcpOn[942], 8);
    EXPECT_EQ(dhcpOn[948], 4);
    EXPECT_EQ(dhcpOn.mid(69, 12), addresses.mid(69, 12));

    const QByteArray commit = requests.commit();
    EXPECT_EQ(commit.mid(32, 4), hex("00000700"));
    EXPECT_EQ(commit.mid(942, 7), dhcpOn.mid(942, 7));
    EXPECT_EQ(commit.mid(176, 10), "Shipping-2");
    EXPECT_EQ(commit.mid(12, 2), hex("0009")) << "one sequence number for the whole exchange";

    EXPECT_EQ(requests.setDhcp(false).mid(942, 7), hex("01 0000000000 01"));
}

TEST(DiscoveryRequestTest, aLongNameIsCutTo63BytesAndEndsWithAZero)
{
    SettingsRequests requests(1, kMac);
    const QByteArray request = requests.setName(QByteArray(200, 'n'));
    EXPECT_EQ(request.mid(176, 64), QByteArray(63, 'n') + '\0');
    EXPECT_EQ(request[240], 0);
    EXPECT_EQ(requests.setName("ab").mid(176, 3), QByteArray("ab\0", 3));
}

namespace {

QByteArray discoveryReply(std::uint8_t status, std::uint8_t flags)
{
    QByteArray reply(128, '\0');
    reply.replace(22, 6, hex("001B820A00FF"));
    reply[40] = static_cast<char>(status);
    reply[41] = static_cast<char>(flags);
    reply.replace(44, 4, hex("C0A8016F"));
    reply.replace(52, 7, "NV-4100");
    reply.replace(84, 8, "Dock-A01");
    return reply;
}

} // namespace

TEST(DiscoveryReplyTest, fieldsAreReadAtTheirOffsets)
{
    const auto reply = ParseDiscoveryReply(discoveryReply(1, 0));
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(FormatMacAddress(reply->mac), "00:1B:82:0A:00:FF");
    EXPECT_EQ(FormatIpv4(reply->address), "192.168.1.111");
    EXPECT_EQ(reply->model, "NV-4100");
    EXPECT_EQ(reply->name, "Dock-A01");
    EXPECT_EQ(DiscoveryStatusText(reply->status, reply->errorFlags), "Printing");
}

TEST(DiscoveryReplyTest, shortDatagramsAreNoRepliesAndFieldsBeyondTheEndAreEmpty)
{
    EXPECT_FALSE(ParseDiscoveryReply(discoveryReply(0, 0).first(31)).has_value());

    const auto header = ParseDiscoveryReply(discoveryReply(3, 1).first(32));
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(FormatMacAddress(header->mac), "00:1B:82:0A:00:FF");
    EXPECT_EQ(header->status, 0);
    EXPECT_EQ(FormatIpv4(header->address), "0.0.0.0");
    EXPECT_TRUE(header->model.isEmpty());

    const auto halfAddress = ParseDiscoveryReply(discoveryReply(0, 0).first(46));
    EXPECT_EQ(FormatIpv4(halfAddress->address), "192.168.0.0");

    const auto cutName = ParseDiscoveryReply(discoveryReply(0, 0).first(88));
    EXPECT_EQ(cutName->model, "NV-4100");
    EXPECT_EQ(cutName->name, "Dock") << "a name without its zero ends with the datagram";
}

TEST(DiscoveryReplyTest, textsWithoutATerminatorAreBounded)
{
    QByteArray reply = discoveryReply(0, 0);
    reply.replace(52, 32, QByteArray(32, 'M'));
    reply = reply.first(84) + QByteArray(300, 'N');
    const auto parsed = ParseDiscoveryReply(reply);
    EXPECT_EQ(parsed->model, QByteArray(32, 'M'));
    EXPECT_EQ(parsed->name, QByteArray(63, 'N'));
}

TEST(DiscoveryReplyTest, groupRepliesGiveAddressesAndDhcp)
{
    QByteArray reply(1064, '\0');
    reply.replace(69, 12, hex("0A000105 FFFF0000 0A0000FE"));
    const GroupAddresses group = AddressesFromReply(reply);
    EXPECT_EQ(FormatIpv4(group.address), "10.0.1.5");
    EXPECT_EQ(FormatIpv4(group.mask), "255.255.0.0");
    EXPECT_EQ(FormatIpv4(group.gateway), "10.0.0.254");
    EXPECT_FALSE(DhcpFromReply(reply));
    reply[942] = 8;
    EXPECT_TRUE(DhcpFromReply(reply));
    EXPECT_FALSE(DhcpFromReply(reply.first(900))) << "a reply ending before the flag reads as static";
    EXPECT_EQ(FormatIpv4(AddressesFromReply(reply.first(40)).gateway), "0.0.0.0");
}

TEST(DiscoveryStatusTest, statusCodesAndTheFirstMatchingErrorFlag)
{
    EXPECT_EQ(DiscoveryStatusText(0, 0xFF), "Ready");
    EXPECT_EQ(DiscoveryStatusText(4, 0), "Ready");
    EXPECT_EQ(DiscoveryStatusText(2, 0x01), "Pause");
    EXPECT_EQ(DiscoveryStatusText(3, 0x41), "Carriage Open");
    EXPECT_EQ(DiscoveryStatusText(3, 0x50), "Over Heat") << "overheating outranks the ribbon";
    EXPECT_EQ(DiscoveryStatusText(3, 0x80), "Over Heat");
    EXPECT_EQ(DiscoveryStatusText(3, 0x06), "Paper Jam");
    EXPECT_EQ(DiscoveryStatusText(3, 0x24), "Paper Empty");
    EXPECT_EQ(DiscoveryStatusText(3, 0x08), "Ribbon Error");
    EXPECT_EQ(DiscoveryStatusText(3, 0x30), "Ribbon Error");
    EXPECT_EQ(DiscoveryStatusText(3, 0x20), "Cutter Error");
    EXPECT_EQ(DiscoveryStatusText(3, 0), "Error");
}
