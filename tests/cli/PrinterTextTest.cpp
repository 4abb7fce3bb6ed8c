#include "PrinterText.h"
#include "CliFixture.h"

#include <QJsonDocument>
#include <QJsonObject>

using namespace norvane;

namespace {

bool isControl(int byte)
{
    return byte < 0x20 || byte == 0x7f || (byte >= 0x80 && byte <= 0x9f);
}

} // namespace

TEST(PrinterTextTest, controlBytesAndTheBackslashBecomeHexEscapesOnTheTerminal)
{
    EXPECT_EQ(cli::TerminalText("\x1b[2J\r\nfake line\\x41"), "\\x1b[2J\\x0d\\x0afake line\\x5cx41");
    for (int byte = 0; byte < 256; ++byte) {
        const QString text = cli::TerminalText(QByteArray(1, static_cast<char>(byte)));
        if (isControl(byte) || byte == '\\')
            EXPECT_EQ(text, QString::asprintf("\\x%02x", byte)) << byte;
        else
            EXPECT_EQ(text, QString(QChar(byte))) << byte;
    }
}

TEST(PrinterTextTest, jsonGetsEveryControlAsAnEscapeAndKeepsItsMeaning)
{
    QByteArray everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const QJsonObject object{{"text", QString::fromLatin1(everyByte)}};
    const QByteArray json = cli::JsonWithEscapedControls(QJsonDocument(object).toJson(QJsonDocument::Compact));

    for (const char* escape : {"\\u0001", "\\u001b", "\\u007f", "\\u0080", "\\u009b", "\\u009f"})
        EXPECT_TRUE(json.contains(escape)) << escape;
    const QString decoded = QString::fromUtf8(json);
    EXPECT_FALSE(std::any_of(decoded.cbegin(), decoded.cend(), [](QChar c) { return isControl(c.unicode()); }));
    EXPECT_EQ(QJsonDocument::fromJson(json).object(), object);
}

using CliPrinterTextTest = CliFixture;

TEST_F(CliPrinterTextTest, printerTextsReachTheTerminalEscaped)
{
    sim.printer.withState([](sim::PrinterState& state) {
        state.reports["PASSWORD"] = "\x1b]0;owned\x07\r\nfake\\\x9b\xe9";
        state.bluetooth.devices = {{"Evil\x1b[2J\x85", "00:1B:82\x7f"}};
    });
    ASSERT_EQ(run({"password", "get"}), 0) << qPrintable(err);
    EXPECT_EQ(out, QString::fromLatin1("\\x1b]0;owned\\x07\\x0d\\x0afake\\x5c\\x9b\xe9\n"));

    ASSERT_EQ(run({"bt-scan"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "00:1B:82\\x7f\tEvil\\x1b[2J\\x85\n");
}

TEST_F(CliPrinterTextTest, configurationJsonCarriesControlBytesAsEscapes)
{
    const QByteArray version = "V2\x1b[31m\x07\x7f\x9b\xe9";
    sim.printer.withState([&](sim::PrinterState& state) { state.reports["VERSION"] = version; });
    ASSERT_EQ(run({"read-config"}), 0) << qPrintable(err);
    const QByteArray json = out.toUtf8();
    EXPECT_TRUE(json.contains(R"("V2\u001b[31m\u0007\u007f\u009bé")")) << json.constData();
    EXPECT_EQ(QJsonDocument::fromJson(json).object()["version"].toString(), QString::fromLatin1(version));
}
