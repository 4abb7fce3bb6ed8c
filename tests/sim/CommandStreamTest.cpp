#include "CommandStream.h"

#include <gtest/gtest.h>

using namespace norvane::sim;

namespace {

constexpr qsizetype kCertificateBound = 1024 * 1024;

QList<QByteArray> texts(const QList<Command>& commands)
{
    QList<QByteArray> result;
    for (const Command& command : commands) {
        if (command.kind == Command::Kind::Binary)
            result << "BINARY " + QByteArray::number(command.binarySize);
        else
            result << (command.kind == Command::Kind::Escape ? "ESC " + command.text : command.text);
    }
    return result;
}

/// A stream that knows the certificate announcement, whatever its length text.
CommandStream certificateStream()
{
    CommandStream stream;
    stream.addPayloadRule(QRegularExpression(QStringLiteral("^DLCERT [123],\"[^\"]*\",([^,]*),$")), kCertificateBound);
    return stream;
}

/// Bytes of a firmware image: every byte value, control bytes and line ends among them.
QByteArray firmwareImage(qsizetype size)
{
    QByteArray image(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        image[i] = static_cast<char>((i * 7 + i / 256) & 0xff);
    return image;
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
    CommandStream stream = certificateStream();
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
    const QByteArray tooLarge = QByteArray::number(kCertificateBound + 1);
    for (const QByteArray& length : {tooLarge, QByteArray("-5"), QByteArray("99999999999999999999999"),
                                     QByteArray("+12"), QByteArray("1e3"), QByteArray()}) {
        CommandStream stream = certificateStream();
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
    CommandStream stream = certificateStream();
    const QByteArray largest(kCertificateBound, '\n');
    auto commands = stream.feed("DLCERT 2,\"KEY.PEM\"," + QByteArray::number(largest.size()) + "," + largest + "\r\n");
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands[0].kind, Command::Kind::Line);
    EXPECT_EQ(commands[0].payload.size(), largest.size());

    // An empty one is complete at its comma: nothing follows it, not even a line end.
    commands = stream.feed("DLCERT 3,\"NONE.PEM\",0,SET HEAD ON\r\n");
    EXPECT_EQ(texts(commands), (QList<QByteArray>{"DLCERT 3,\"NONE.PEM\",0,", "SET HEAD ON"}));
}

TEST(CommandStreamTest, eachAnnouncementHasItsOwnBound)
{
    CommandStream stream = certificateStream();
    stream.addPayloadRule(QRegularExpression(QStringLiteral("^DOWNLOAD \"[^\"]*\",([^,]*),$")), 4 * kCertificateBound);
    const QByteArray twice(2 * kCertificateBound, 'x');
    auto commands = stream.feed("DOWNLOAD \"BIG\"," + QByteArray::number(twice.size()) + "," + twice);
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands[0].kind, Command::Kind::Line);
    EXPECT_EQ(commands[0].payload.size(), twice.size());

    commands = stream.feed("DLCERT 1,\"CA.PEM\"," + QByteArray::number(twice.size()) + ",xx\r\nSET HEAD ON\r\n");
    ASSERT_EQ(commands.size(), 2);
    EXPECT_EQ(commands[0].kind, Command::Kind::Refused);
    EXPECT_EQ(commands[1].text, "SET HEAD ON");
}

TEST(CommandStreamTest, binaryDataIsCountedNotCarriedOutAndTheNextCommandLineEndsIt)
{
    // Escape sequences and short texts at line starts inside the data stay data.
    const QByteArray data = QByteArray("\0\x01"
                                       "FW\n\x1b!R\n\x1bZ\nok\r\nOK\n\r\n\r\n",
                                       23) +
                            firmwareImage(3000);
    CommandStream stream;
    auto commands = stream.feed("SELFTEST\r\n" + data.first(10));
    EXPECT_EQ(texts(commands), QList<QByteArray>{"SELFTEST"});
    EXPECT_TRUE(stream.feed(data.sliced(10)).isEmpty());
    EXPECT_TRUE(stream.feed("\r\nDIAGNOSTIC INTER").isEmpty());
    commands = stream.feed("FACE NET\r\n\x1b!?");
    ASSERT_EQ(commands.size(), 3);
    EXPECT_EQ(commands[0].kind, Command::Kind::Binary);
    // The line end that closes the data's last line belongs to it.
    EXPECT_EQ(commands[0].binarySize, data.size() + 2);
    EXPECT_EQ(texts(commands.sliced(1)), (QList<QByteArray>{"DIAGNOSTIC INTERFACE NET", "ESC !?"}));
}

TEST(CommandStreamTest, whatEndsBinaryData)
{
    const QByteArray data = firmwareImage(600);
    struct Case
    {
        QByteArray after;
        QList<QByteArray> commands;
    };
    const Case cases[] = {
        {"\r\n\x1b!?\x1b!S\r\n", {"BINARY 602", "ESC !?", "ESC !S"}},
        {"\r\n\x10SD05\x1eXA\x1eJUS\x1eXZ\r\n", {"BINARY 602", "\x10SD05\x1eXA\x1eJUS\x1eXZ"}},
        // An announcement's data follows its comma with no line end.
        {QByteArrayLiteral("\nDLCERT 1,\"CA.PEM\",3,\0\0\0SELFTEST\r\n"),
         {"BINARY 601", "DLCERT 1,\"CA.PEM\",3,", "SELFTEST"}},
        // A command right after the data, with no line end between, is taken for more of it.
        {"SELFTEST\r\nSET HEAD ON\r\n", {"BINARY 610", "SET HEAD ON"}},
    };
    for (const Case& test : cases) {
        CommandStream stream = certificateStream();
        EXPECT_EQ(texts(stream.feed(data + test.after)), test.commands) << test.after.constData();
    }
}

TEST(CommandStreamTest, aLineBeyondTheBufferIsBinaryDataAndTheNextLineIsACommand)
{
    CommandStream stream;
    const QByteArray tooLong(CommandStream::kMaxLine + 1, 'A');
    auto commands = stream.feed(tooLong + "\r\nSELFTEST\r\n");
    EXPECT_EQ(texts(commands), (QList<QByteArray>{"BINARY " + QByteArray::number(tooLong.size() + 2), "SELFTEST"}));
    const QByteArray longest(CommandStream::kMaxLine, 'A');
    commands = stream.feed(longest + "\r\n");
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands[0].text.size(), longest.size());
}
