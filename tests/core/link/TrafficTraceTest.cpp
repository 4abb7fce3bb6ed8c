#include "link/TrafficTrace.h"
#include "ScriptedTransport.h"
#include "TraceCapture.h"
#include "link/LinkLayer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

/// A disk that fills up after `room` bytes.
class FillingDevice : public QIODevice
{
public:
    explicit FillingDevice(qint64 room) : m_room(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 length) override
    {
        if (length > m_room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_room -= length;
        return length;
    }

private:
    qint64 m_room;
};

TraceSource source(QByteArrayView operation = "ReadStatus")
{
    return {std::chrono::microseconds(1503), InterfaceKind::Ethernet, operation};
}

QByteArray text(QByteArrayView bytes)
{
    QByteArray out;
    AppendTraceText(out, bytes);
    return out;
}

} // namespace

TEST(TraceTextTest, printableBytesStayTextAndEveryOtherByteIsEscapedOnOneLine)
{
    EXPECT_EQ(text("SIZE 4.00 mm,2.50 mm\r\n"), "SIZE 4.00 mm,2.50 mm\\r\\n");
    EXPECT_EQ(text(QByteArrayView("\x1b!R\t\\~\x7f\x00\x80\xff", 10)), "\\x1b!R\\t\\\\~\\x7f\\x00\\x80\\xff");
    // No printer text can pass for a marker, and no byte can start a new line.
    EXPECT_EQ(text("<secret 3 bytes>"), "\\x3csecret 3 bytes>");
    QByteArray everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte += static_cast<char>(i);
    const QByteArray escaped = text(everyByte);
    EXPECT_FALSE(escaped.contains('\n') || escaped.contains('\r') || escaped.contains('<'));
    EXPECT_EQ(SecretMarker(1), "<secret 1 byte>");
    EXPECT_EQ(SecretMarker(12), "<secret 12 bytes>");
}

TEST(TrafficTraceTest, aLineTellsTimeKindOperationEventAndBytes)
{
    TraceCapture capture;
    capture.trace->record(source(), TraceEvent::Send, "DIAGNOSTIC REPORT SPEED\r\n");
    capture.trace->recordText(source({}), TraceEvent::Receive, "{1|4}");
    capture.trace->record(source(), TraceEvent::TimedOut);
    EXPECT_EQ(capture.text, "      1503 ETHERNET ReadStatus send DIAGNOSTIC REPORT SPEED\\r\\n\n"
                            "      1503 ETHERNET - recv {1|4}\n"
                            "      1503 ETHERNET ReadStatus timeout\n");
}

TEST(TrafficTraceTest, secretSpansShowOnlyTheirLength)
{
    TraceCapture capture;
    const QByteArray command = "PW \"hunter2\",\"abc\"\r\n";
    const SecretSpan secrets[] = {{4, 7}, {14, 3}};
    capture.trace->record(source(), TraceEvent::Send, command, secrets);
    // A span reaching past the bytes still hides what is there, and nothing past it is made up.
    const SecretSpan pastTheEnd[] = {{3, 100}};
    capture.trace->record(source(), TraceEvent::Send, "KEY0123", pastTheEnd);
    EXPECT_EQ(capture.lines(),
              (QByteArrayList{"ETHERNET ReadStatus send PW \"<secret 7 bytes>\",\"<secret 3 bytes>\"\\r\\n",
                              "ETHERNET ReadStatus send KEY<secret 4 bytes>"}));
    EXPECT_FALSE(capture.text.contains("hunter2"));
}

TEST(TrafficTraceTest, theSizeLimitAndAFailingDeviceStopTheTraceWithOneReport)
{
    TraceCapture capture(4096);
    capture.trace->record(source(), TraceEvent::Send, QByteArray(3000, 'a'));
    EXPECT_FALSE(capture.trace->stopped());
    capture.trace->record(source(), TraceEvent::Send, QByteArray(100000, '\x01'));
    capture.trace->record(source(), TraceEvent::Send, "more");
    EXPECT_TRUE(capture.trace->stopped());
    EXPECT_LE(capture.text.size(), 4096 + 64);
    EXPECT_TRUE(capture.text.endsWith("... the trace stopped at its size limit\n"));
    EXPECT_EQ(capture.reports.size(), 1);

    QStringList reports;
    TrafficTrace full(std::make_unique<FillingDevice>(100), [&](const QString& report) { reports << report; });
    for (int i = 0; i < 10; ++i)
        full.record(source(), TraceEvent::Send, "DIAGNOSTIC REPORT SPEED\r\n");
    EXPECT_TRUE(full.stopped());
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("No space left on device"));
}

TEST(TrafficTraceTest, aFileThatCannotBeCreatedIsRefusedWithItsReason)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_EQ(TrafficTrace::ToFile(dir.filePath("missing/trace.txt"), {}, error), nullptr);
    EXPECT_TRUE(error.contains("missing/trace.txt"));

    const auto trace = TrafficTrace::ToFile(dir.filePath("trace.txt"), {}, error);
    ASSERT_NE(trace, nullptr);
    trace->record(source(), TraceEvent::Send, "X");
    // Each line is in the file as soon as it is recorded.
    QFile file(dir.filePath("trace.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "      1503 ETHERNET ReadStatus send X\n");
}

class LinkTraceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        s.links.setTrace(capture.trace);
        s.device->respond = [](QByteArrayView chunk) {
            return chunk == "Q\r\n" ? QByteArray("{4|abcd}") : QByteArray();
        };
    }

    ScriptedLinks s;
    TraceCapture capture;
};

TEST_F(LinkTraceTest, writesAndReplyBurstsAppearInOrderTimedByTheLinksClock)
{
    {
        const LinkLayer::OperationName naming(s.links, "ReadStatus");
        // COM takes one byte per fetch: the reply still makes one line, as it came without a wait.
        auto link = s.links.OpenLink(InterfaceKind::Com);
        ASSERT_TRUE(link);
        char reply[8];
        ASSERT_TRUE(link->WriteLink("Q\r\n"));
        ASSERT_EQ(link->ReadBytes(reply, 8), 8u);
        std::uint8_t more = 0;
        EXPECT_FALSE(link->ReadByte(more));
        EXPECT_TRUE(link->WriteLink("Q\r\n"));
        EXPECT_EQ(link->ReadBytes(reply, 8), 8u);
    }
    const QByteArrayList lines = capture.lines();
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[0].startsWith("COM ReadStatus open 20"));
    EXPECT_EQ(lines.mid(1),
              (QByteArrayList{"COM ReadStatus send Q\\r\\n", "COM ReadStatus recv {4|abcd}", "COM ReadStatus timeout",
                              "COM ReadStatus send Q\\r\\n", "COM ReadStatus recv {4|abcd}", "COM ReadStatus close"}));
    const qint64 readTimeout = std::chrono::microseconds(s.links.timeouts().comRead).count();
    EXPECT_EQ(capture.times(), (QList<qint64>{0, 0, 0, readTimeout, readTimeout, readTimeout, readTimeout}));
}

TEST_F(LinkTraceTest, repliesReadWhileSecretAndFailedWritesAreNoted)
{
    auto link = s.links.OpenLink(InterfaceKind::Ethernet);
    char reply[8];
    {
        const SecretReception secret(*link);
        link->WriteLink("Q\r\n");
        link->ReadBytes(reply, 8);
    }
    link->WriteLink("Q\r\n");
    link->ReadBytes(reply, 8);
    s.device->failChunk = static_cast<int>(s.device->chunks.size());
    EXPECT_FALSE(link->WriteLink("LOST\r\n"));
    link->CloseLink();
    EXPECT_EQ(capture.lines().mid(1),
              (QByteArrayList{"ETHERNET - send Q\\r\\n", "ETHERNET - recv <secret 8 bytes>", "ETHERNET - send Q\\r\\n",
                              "ETHERNET - recv {4|abcd}", "ETHERNET - send LOST\\r\\n", "ETHERNET - send-failed",
                              "ETHERNET - close"}));
}

TEST_F(LinkTraceTest, eachLinkLayerKeepsItsOwnTraceAndOperationName)
{
    ScriptedLinks other;
    TraceCapture otherCapture;
    other.links.setTrace(otherCapture.trace);
    {
        const LinkLayer::OperationName outer(s.links, "ReadConfiguration");
        {
            const LinkLayer::OperationName inner(s.links, "ReadPassword");
            s.links.OpenLink(InterfaceKind::Usb)->WriteLink("A");
        }
        s.links.OpenLink(InterfaceKind::Usb)->WriteLink("B");
        other.links.OpenLink(InterfaceKind::Usb)->WriteLink("C");
    }
    s.links.setTrace(nullptr);
    s.links.OpenLink(InterfaceKind::Usb)->WriteLink("D");

    QByteArrayList sent;
    for (const QByteArray& line : capture.lines()) {
        if (line.contains(" send "))
            sent << line;
    }
    EXPECT_EQ(sent, (QByteArrayList{"USB ReadPassword send A", "USB ReadConfiguration send B"}));
    EXPECT_EQ(otherCapture.lines().mid(1, 1), QByteArrayList{"USB - send C"});
    EXPECT_EQ(s.device->written, "ABD");
}
