#include "protocol/ReplyFraming.h"
#include "ScriptedTransport.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

class ReplyFramingTest : public ::testing::Test
{
protected:
    /// Reads one frame from `input` with the given capacity; the reply, or "FAIL".
    QByteArray frame(const QByteArray& input, qsizetype capacity = kSingleValueCapacity)
    {
        s.device->input = input;
        auto link = s.links.OpenLink(InterfaceKind::Usb);
        QByteArray reply;
        return ReadFramedReply(*link, reply, capacity) ? reply : QByteArray("FAIL");
    }

    ScriptedLinks s;
};

TEST_F(ReplyFramingTest, aFrameIsDelimitedByItsLengthAlone)
{
    EXPECT_EQ(frame("{5|HELLO}"), "HELLO");
    EXPECT_EQ(frame("\r\n{5|HELLO}"), "HELLO");
    EXPECT_EQ(frame("{3|A}B}"), "A}B");
    EXPECT_EQ(frame(QByteArray("{4|\0{\r\n}", 9)), QByteArray("\0{\r\n", 4));
    EXPECT_EQ(frame("{00012|abcdefghijkl}"), "abcdefghijkl");
    // No length or length zero is an empty reply.
    EXPECT_EQ(frame("{|}"), "");
    EXPECT_EQ(frame("{0|}"), "");
}

TEST_F(ReplyFramingTest, malformedFramesFail)
{
    EXPECT_EQ(frame("{1a|x}"), "FAIL");    // a letter ends the digits and is no bar
    EXPECT_EQ(frame("{5|HELLO"), "FAIL");  // no closing brace
    EXPECT_EQ(frame("{5|HELLO]"), "FAIL"); // another byte where the brace belongs
    EXPECT_EQ(frame("{5|HEL"), "FAIL");    // data cut short
    EXPECT_EQ(frame("{5"), "FAIL");        // no bar before the input ends
    EXPECT_EQ(frame("no frame at all"), "FAIL");
    EXPECT_EQ(frame(""), "FAIL");
}

TEST_F(ReplyFramingTest, strayBytesBeforeAFrameAreSkippedUpToALimit)
{
    const QByteArray stray(kMaxBytesBeforeFrame, 'x');
    EXPECT_EQ(frame(stray + "{2|ok}"), "ok");
    EXPECT_EQ(frame(stray + "x{2|ok}"), "FAIL");
    // A peer that streams without ever starting a frame is given up on without waiting for the stream's end.
    s.device->fetches = 0;
    s.device->arrive = [] {
        return QByteArray(64, 'x');
    };
    EXPECT_EQ(frame(""), "FAIL");
    EXPECT_LE(s.device->fetches, kMaxBytesBeforeFrame / 64 + 2);
}

TEST_F(ReplyFramingTest, thirtyOneLengthDigitsAreReadAndThirtyTwoAreTooMany)
{
    EXPECT_EQ(frame("{" + QByteArray(30, '0') + "2|OK}"), "OK");
    EXPECT_EQ(frame("{" + QByteArray(31, '0') + "2|OK}"), "FAIL");
}

TEST_F(ReplyFramingTest, aFrameLongerThanTheBufferIsRefusedBeforeItsDataAreRead)
{
    const QByteArray data1022(1022, 'x');
    EXPECT_EQ(frame("{1022|" + data1022 + "}"), data1022);
    s.device->input = "{1023|" + QByteArray(1023, 'x') + "}";
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    QByteArray reply;
    EXPECT_FALSE(ReadFramedReply(*link, reply, kSingleValueCapacity));
    std::uint8_t next = 0;
    ASSERT_TRUE(link->ReadByte(next));
    EXPECT_EQ(next, 'x'); // the refused data are still unread
    EXPECT_EQ(frame("{99999999999999999999|x}"), "FAIL");
    EXPECT_EQ(frame("{3|abc}", 4), "FAIL");
    EXPECT_EQ(frame("{2|ab}", 4), "ab");
}

TEST_F(ReplyFramingTest, exchangeSendsTheCommandThenReadsItsReply)
{
    s.device->respond = [](QByteArrayView command) {
        return command == "DIAGNOSTIC REPORT SPEED\r\n" ? QByteArray("{3|4.0}") : QByteArray();
    };
    auto link = s.links.OpenLink(InterfaceKind::Ethernet);
    QByteArray reply;
    EXPECT_EQ(Exchange(*link, "DIAGNOSTIC REPORT SPEED\r\n", reply), ResultCode::Success);
    EXPECT_EQ(reply, "4.0");
    EXPECT_EQ(Exchange(*link, "DIAGNOSTIC REPORT NOTHING\r\n", reply), ResultCode::DataReceivingError);
    EXPECT_EQ(s.device->clock, s.links.timeouts().ethernet); // exactly one read time-out

    s.device->failChunk = s.device->chunks.size();
    EXPECT_EQ(Exchange(*link, "DIAGNOSTIC REPORT SPEED\r\n", reply), ResultCode::DataTransmissionError);
}

TEST_F(ReplyFramingTest, exchangeListCollectsItemsUpToAnEmptyFrame)
{
    s.device->input = "{3|ABC}{2|DE}{0|}";
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    QByteArray items;
    EXPECT_EQ(ExchangeList(*link, "~!F\r\n", items, 65536), ResultCode::Success);
    EXPECT_EQ(items, "ABC\r\nDE\r\n");
    EXPECT_EQ(items.size(), 9);
    EXPECT_EQ(s.device->written, "~!F\r\n");
}

TEST_F(ReplyFramingTest, exchangeListKeepsTheItemsBeforeAFailure)
{
    s.device->input = "{3|ABC}{2|DE";
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    QByteArray items;
    EXPECT_EQ(ExchangeList(*link, "LIST\r\n", items, 65536), ResultCode::DataReceivingError);
    EXPECT_EQ(items, "ABC\r\n");
}

TEST_F(ReplyFramingTest, exchangeListLeavesRoomForEachItemsLineEnd)
{
    // After "ABCDEFGH\r\n" a 22-byte buffer takes at most 22 − 10 − 4 = 8 more data bytes.
    s.device->input = "{8|ABCDEFGH}{8|IJKLMNOP}{0|}";
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    QByteArray items;
    EXPECT_EQ(ExchangeList(*link, "LIST\r\n", items, 22), ResultCode::DataReceivingError); // no room for the end
    s.device->input = "{8|ABCDEFGH}{6|IJKLMN}{0|}";
    link = s.links.OpenLink(InterfaceKind::Usb);
    EXPECT_EQ(ExchangeList(*link, "LIST\r\n", items, 22), ResultCode::Success);
    s.device->input = "{8|ABCDEFGH}{9|IJKLMNOPQ}{0|}";
    link = s.links.OpenLink(InterfaceKind::Usb);
    EXPECT_EQ(ExchangeList(*link, "LIST\r\n", items, 22), ResultCode::DataReceivingError);
}

TEST_F(ReplyFramingTest, aLineReplyDropsCarriageReturnsAndEndsAtLineFeed)
{
    s.device->input = "SN\r123\r\nNEXT";
    auto link = s.links.OpenLink(InterfaceKind::Com);
    QByteArray line;
    EXPECT_TRUE(ReadLineReply(*link, line));
    EXPECT_EQ(line, "SN123");
    EXPECT_TRUE(ReadLineReply(*link, line)); // cut short by the time-out: what came is the line
    EXPECT_EQ(line, "NEXT");
}

TEST_F(ReplyFramingTest, aLineOfMoreThan1024BytesFails)
{
    s.device->input = QByteArray(1024, 'a') + "\r\n";
    auto link = s.links.OpenLink(InterfaceKind::Com);
    QByteArray line;
    EXPECT_TRUE(ReadLineReply(*link, line));
    EXPECT_EQ(line.size(), 1024);

    s.device->input = QByteArray(1025, 'a') + "\r\n";
    link = s.links.OpenLink(InterfaceKind::Com);
    EXPECT_FALSE(ReadLineReply(*link, line));
}

TEST(ReplyNumberTest, readsLikeTheDecimalValueOfAReply)
{
    EXPECT_EQ(ReplyNumber("  -12abc"), -12);
    EXPECT_EQ(ReplyNumber("+7"), 7);
    EXPECT_EQ(ReplyNumber("\t\r\n 15"), 15);
    EXPECT_EQ(ReplyNumber(""), 0);
    EXPECT_EQ(ReplyNumber("abc"), 0);
    EXPECT_EQ(ReplyNumber("-"), 0);
    EXPECT_EQ(ReplyNumber("4.5"), 4);
    EXPECT_EQ(ReplyNumber("2147483647"), 2147483647);
    EXPECT_EQ(ReplyNumber("99999999999999999999"), 2147483647);
    EXPECT_EQ(ReplyNumber("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ReplyNumber("-99999999999"), -2147483647 - 1);
}

TEST(InterfaceAnnouncementTest, oneTextPerKind)
{
    EXPECT_EQ(InterfaceAnnouncement(InterfaceKind::Usb), "\r\nDIAGNOSTIC INTERFACE USB\r\n");
    EXPECT_EQ(InterfaceAnnouncement(InterfaceKind::Com), "\r\nDIAGNOSTIC INTERFACE COM\r\n");
    EXPECT_EQ(InterfaceAnnouncement(InterfaceKind::Lpt), "\r\nDIAGNOSTIC INTERFACE LPT\r\n");
    EXPECT_EQ(InterfaceAnnouncement(InterfaceKind::Ethernet), "\r\nDIAGNOSTIC INTERFACE NET\r\n");
}
