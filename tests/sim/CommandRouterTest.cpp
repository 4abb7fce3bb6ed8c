#include "CommandRouter.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>
#include <stdexcept>

using namespace norvane::sim;

namespace {

/// A family that only says which keys it owns.
class KeyedFamily : public CommandFamily
{
public:
    explicit KeyedFamily(QList<QByteArray> keys) : m_keys(std::move(keys)) {}
    QList<QByteArray> keys() const override { return m_keys; }
    void handle(const Command&, PrinterState&, QList<Reply>&) override {}

private:
    QList<QByteArray> m_keys;
};

Command line(const QByteArray& text)
{
    return {Command::Kind::Line, text, {}};
}

Command escape(const QByteArray& text)
{
    return {Command::Kind::Escape, text, {}};
}

} // namespace

TEST(CommandRouterTest, theMostSpecificKeyWinsWhateverOrderTheFamiliesCameIn)
{
    for (const bool reportsFirst : {true, false}) {
        auto reports = std::make_unique<KeyedFamily>(QList<QByteArray>{"DIAGNOSTIC REPORT"});
        auto scan = std::make_unique<KeyedFamily>(QList<QByteArray>{"DIAGNOSTIC REPORT SCANBT", "BT"});
        CommandFamily* const reportsFamily = reports.get();
        CommandFamily* const scanFamily = scan.get();
        CommandRouter router;
        if (reportsFirst) {
            router.add(std::move(reports));
            router.add(std::move(scan));
        } else {
            router.add(std::move(scan));
            router.add(std::move(reports));
        }
        EXPECT_EQ(router.familyFor(line("DIAGNOSTIC REPORT SCANBT")), scanFamily);
        EXPECT_EQ(router.familyFor(line("DIAGNOSTIC REPORT SPEED")), reportsFamily);
        EXPECT_EQ(router.familyFor(line("DIAGNOSTIC REPORT SCANBTX")), reportsFamily);
        EXPECT_EQ(router.familyFor(line("BT NAME \"A B\"")), scanFamily);
        EXPECT_EQ(router.familyFor(line("DIAGNOSTIC")), nullptr);
        EXPECT_EQ(router.familyFor(line("BTX")), nullptr);
    }
}

TEST(CommandRouterTest, escapesLeadInBytesAndWordsAreKeptApart)
{
    CommandRouter router;
    auto escapes = std::make_unique<KeyedFamily>(QList<QByteArray>{"\x1b!?", "\x1bZ"});
    auto framed = std::make_unique<KeyedFamily>(QList<QByteArray>{"\x10", "~"});
    auto words = std::make_unique<KeyedFamily>(QList<QByteArray>{"SET", "~KZ"});
    CommandFamily* const escapeFamily = escapes.get();
    CommandFamily* const framedFamily = framed.get();
    CommandFamily* const wordFamily = words.get();
    router.add(std::move(escapes));
    router.add(std::move(framed));
    router.add(std::move(words));

    EXPECT_EQ(router.familyFor(escape("!?")), escapeFamily);
    EXPECT_EQ(router.familyFor(escape("Z")), escapeFamily);
    EXPECT_EQ(router.familyFor(escape("!R")), nullptr);
    EXPECT_EQ(router.familyFor(line("!?")), nullptr);
    EXPECT_EQ(router.familyFor(line("Z")), nullptr);
    EXPECT_EQ(router.familyFor(line("\x10SD05\x1eXA\x1eJUS\x1eXZ")), framedFamily);
    EXPECT_EQ(router.familyFor(line("~KcLW0400;|")), framedFamily);
    EXPECT_EQ(router.familyFor(line("~KZ")), wordFamily);
    EXPECT_EQ(router.familyFor(line("SET TEAR ON")), wordFamily);
    EXPECT_EQ(router.familyFor(line("SETUP")), nullptr);
}

TEST(CommandRouterTest, aKeyClaimedTwiceIsAProgrammingError)
{
    CommandRouter router;
    router.add(std::make_unique<KeyedFamily>(QList<QByteArray>{"SET", "WLAN"}));
    EXPECT_THROW(router.add(std::make_unique<KeyedFamily>(QList<QByteArray>{"BT", "WLAN"})), std::logic_error);
    EXPECT_THROW(router.add(std::make_unique<KeyedFamily>(QList<QByteArray>{"FTPUPD", "FTPUPD"})), std::logic_error);
    EXPECT_THROW(router.add(std::make_unique<KeyedFamily>(QList<QByteArray>{""})), std::logic_error);
    // A refused family leaves no key behind.
    EXPECT_EQ(router.familyFor(line("BT NAME \"X\"")), nullptr);
    EXPECT_EQ(router.families().size(), 1u);
}

TEST(CommandRouterTest, thePrinterLogsACommandNobodyOwnsAndAnswersNothing)
{
    VirtualPrinter printer;
    const auto session = printer.openSession();
    EXPECT_TRUE(session->receive("FEED 100\r\nDIAGNOSTIC WHATEVER\r\n\x1b!X").isEmpty());
    EXPECT_EQ(printer.commands(), (QList<QByteArray>{"FEED 100", "DIAGNOSTIC WHATEVER", "ESC !X"}));
}

TEST(CommandRouterTest, theBluetoothSearchIsNotTakenForAReport)
{
    VirtualPrinter printer;
    printer.withState([](PrinterState& state) { state.reports["SCANBT"] = "not a search"; });
    const auto session = printer.openSession();
    const QList<Output> outputs = session->receive("DIAGNOSTIC REPORT SCANBT\r\nDIAGNOSTIC REPORT SPEED\r\n");
    ASSERT_EQ(outputs.size(), 2);
    EXPECT_EQ(outputs[0].bytes, Frame("2\rScanner-01,00:1B:82:11:22:33\rHandheld-7,00:1B:82:44:55:66\r"));
    EXPECT_EQ(outputs[1].bytes, Frame("4.0"));
}

TEST(CommandRouterTest, aTestLabelIsLoggedWholeAndAnswersNothing)
{
    const QList<QByteArray> label{"SIZE 101.50 mm,152.25 mm",
                                  "GAP 3.00 mm,0.00 mm",
                                  "CLS",
                                  "DIRECTION 0,0",
                                  "BOX 16,16,796,1202,4",
                                  "BARCODE  149,32,\"25\",101,1,90,2,4,\"1234567890\"",
                                  "TEXT  165,32,\"0\",0,58,58,\"TEST\"",
                                  "PRINT 1"};
    VirtualPrinter printer;
    const auto session = printer.openSession();
    EXPECT_TRUE(session->receive(label.join("\r\n") + "\r\n").isEmpty());
    const PrinterState state = printer.snapshot();
    EXPECT_EQ(state.commands, label);
    EXPECT_EQ(state.reports["PAPERWIDTH"], "812.00");
    EXPECT_EQ(state.reports["PAPERHEIGHT"], "1218.00");
}
