#include "CommandStream.h"

#include <gtest/gtest.h>

using namespace norvane::sim;

namespace {

QList<QByteArray> texts(const QList<Command>& commands)
{
    QList<QByteArray> result;
    for (const Command& command : commands)
        result << (command.kind == Command::Kind::Escape ? "ESC " + command.text : command.text);
    return result;
}

} // namespace

TEST(CommandStreamTest, cutsLinesAndEscapeSequencesAsAPrinterDoes)
{
    CommandStream stream;
    const auto commands = stream.feed(QByteArray("\x1b!?\x1b!S\r\nSIZE 4.00,2.00\r\n\r\n\x1bZ\x1bY"
                                                 "\x10SD05\x1eXA\x1eJUS\x1eXZ\r\n",
                                                 47));
    EXPECT_EQ(texts(commands), (QList<QByteArray>{"ESC !?", "ESC !S", "SIZE 4.00,2.00", "ESC Z", "ESC Y",
                                                  "\x10SD05\x1eXA\x1eJUS\x1eXZ"}));
}

TEST(CommandStreamTest, commandsSplitAcrossReadsComeOutWhole)
{
    CommandStream stream;
    EXPECT_TRUE(stream.feed("DIAGNOSTIC REP").isEmpty());
    EXPECT_TRUE(stream.feed(QByteArray("ORT SPEED\r", 10)).isEmpty());
    EXPECT_EQ(texts(stream.feed("\n\x1b")), QList<QByteArray>{"DIAGNOSTIC REPORT SPEED"});
    EXPECT_EQ(texts(stream.feed("!")), QList<QByteArray>{});
    EXPECT_EQ(texts(stream.feed("R")), QList<QByteArray>{"ESC !R"});
}

TEST(CommandStreamTest, announcedBinaryDataIsTakenByCount)
{
    CommandStream stream;
    stream.addPayloadRule(QRegularExpression(QStringLiteral("^DLCERT [123],\"[^\"]*\",(\\d+),$")));
    const QByteArray certificate = QByteArrayLiteral("-----\r\n\x1b\0\nEND");
    auto commands =
        stream.feed("DLCERT 1,\"CA.PEM\"," + QByteArray::number(certificate.size()) + "," + certificate.first(5));
    EXPECT_TRUE(commands.isEmpty());
    commands = stream.feed(certificate.mid(5) + "\r\nSET HEAD ON\r\n");
    ASSERT_EQ(commands.size(), 2);
    EXPECT_EQ(commands[0].text, "DLCERT 1,\"CA.PEM\",13,");
    EXPECT_EQ(commands[0].payload, certificate);
    EXPECT_EQ(commands[1].text, "SET HEAD ON");
}

TEST(CommandStreamTest, anAnnouncementTooLargeOrNotANumberIsRefusedUpToTheNextLine)
{
    const QByteArray tooLarge = QByteArray::number(CommandStream::kMaxPayload + 1);
    for (const QByteArray& length : {tooLarge, QByteArray("-5"), QByteArray("99999999999999999999999"),
                                     QByteArray("+12"), QByteArray("1e3"), QByteArray()}) {
        CommandStream stream;
        stream.addPayloadRule(QRegularExpression(QStringLiteral("^DLCERT [123],\"[^\"]*\",([^,]*),$")));
        const QByteArray announcement = "DLCERT 1,\"CA.PEM\"," + length + ",";
        auto commands = stream.feed(announcement + "-----BEGIN");
        ASSERT_EQ(commands.size(), 1) << length.constData();
        EXPECT_EQ(commands[0].kind, Command::Kind::Refused);
        EXPECT_EQ(commands[0].text, announcement);
        commands = stream.feed(QByteArray("\x1b!R-----END\r\nSET HEAD ON\r\n\x1b!?"));
        EXPECT_EQ(texts(commands), (QList<QByteArray>{"SET HEAD ON", "ESC !?"})) << length.constData();
    }
}

TEST(CommandStreamTest, theLargestAnnouncementAndAnEmptyOneAreTaken)
{
    CommandStream stream;
    stream.addPayloadRule(QRegularExpression(QStringLiteral("^DLCERT [123],\"[^\"]*\",([^,]*),$")));
    const QByteArray largest(CommandStream::kMaxPayload, '\n');
    auto commands = stream.feed("DLCERT 2,\"KEY.PEM\"," + QByteArray::number(largest.size()) + "," + largest + "\r\n");
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands[0].kind, Command::Kind::Line);
    EXPECT_EQ(commands[0].payload.size(), largest.size());

    commands = stream.feed("DLCERT 3,\"NONE.PEM\",0,\r\nSET HEAD ON\r\n");
    EXPECT_EQ(texts(commands), (QList<QByteArray>{"DLCERT 3,\"NONE.PEM\",0,", "SET HEAD ON"}));
}
