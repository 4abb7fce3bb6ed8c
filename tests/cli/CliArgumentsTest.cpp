#include "CliCommand.h"
#include "CliFixture.h"

using namespace norvane;

using CliArgumentsTest = CliFixture;

TEST_F(CliArgumentsTest, everyCommandShowsItsHelpWithoutAPrinter)
{
    for (const auto& command : cli::AllCliCommands()) {
        const QString name = command->name();
        ASSERT_EQ(run({name, "--help"}, false), 0) << qPrintable(name);
        EXPECT_TRUE(out.startsWith("usage: norvane-cli ")) << qPrintable(out);
        EXPECT_TRUE(err.isEmpty());
    }
    ASSERT_EQ(run({"--help"}, false), 0);
    EXPECT_TRUE(out.contains("usage: norvane-cli [LINK] COMMAND [ARGS]"));
}

TEST_F(CliArgumentsTest, dashHAsksForHelpWhereverItStands)
{
    ASSERT_EQ(run({"password", "set", "-h"}), 0);
    EXPECT_TRUE(out.startsWith("usage: norvane-cli [LINK] password get | set NEW|-"));
    EXPECT_TRUE(out.contains("Prefer \"-\""));
    // Taken as an option's value it would have been a password file named "-h", or a serial port.
    ASSERT_EQ(run({"password", "set", "--printer-password-file", "-h", "New1"}), 0);
    EXPECT_TRUE(out.startsWith("usage: norvane-cli [LINK] password"));
    ASSERT_EQ(run({"status", "--com", "--help"}, false), 0);
    EXPECT_TRUE(out.startsWith("usage: norvane-cli [LINK] status\n"));
    ASSERT_EQ(run({"--com", "-h", "status"}, false), 0);
    EXPECT_TRUE(out.startsWith("usage: norvane-cli [LINK] COMMAND [ARGS]"));
    EXPECT_TRUE(sim.printer.received().isEmpty());
}

TEST_F(CliArgumentsTest, anOptionsValueMayNotLookLikeAnOption)
{
    EXPECT_EQ(run({"--com", "--baud", "9600", "status"}, false), 64);
    EXPECT_TRUE(err.contains("--com needs a value, not --baud")) << qPrintable(err);
    EXPECT_EQ(run({"--net", "-", "status"}, false), 64);
    EXPECT_EQ(run({"write-config", "--page", "-1", "x.json"}), 64);
    EXPECT_TRUE(err.contains("--page needs a value, not -1"));
    // "-" is a value only where the help offers it.
    EXPECT_EQ(run({"read-config", "--dcf", "-"}), 64);
    EXPECT_TRUE(sim.printer.received().isEmpty());
    ASSERT_EQ(run({"read-config", "--json", "-"}), 0) << qPrintable(err);
    EXPECT_TRUE(out.startsWith("{"));
}

TEST_F(CliArgumentsTest, linkOptionsWorkBeforeAndAfterTheCommand)
{
    sim.printer.withState([](sim::PrinterState& state) { state.status = 0x04; });
    ASSERT_EQ(run({"status", "--net", networkTarget(), "--read-timeout", "300"}, false), 0) << qPrintable(err);
    EXPECT_TRUE(out.startsWith("Out of Paper\n"));
    // The last interface named wins, wherever it stands.
    ASSERT_EQ(run({"--net", refusingTarget(), "status", "--net", networkTarget()}, false), 0);
    EXPECT_EQ(run({"--net", networkTarget(), "status", "--net", refusingTarget()}, false), 1);
    EXPECT_EQ(run({"--net", networkTarget(), "--net=" + refusingTarget(), "status"}, false), 1);
}

TEST_F(CliArgumentsTest, usageErrorsExitWith64SayWhyOnStderrAndSendNothing)
{
    const QString usage = QStringLiteral("usage: norvane-cli [LINK] ");
    const struct
    {
        QStringList arguments;
        bool overNetwork;
        QStringList said;
    } cases[] = {
        {{}, false, {}},
        {{"frobnicate"}, true, {"unknown command frobnicate"}},
        {{"status", "extra"}, true, {usage + "status\nnorvane-cli status --help shows its options.\n"}},
        {{"--baud", "1234", "status"}, false, {"--baud does not take 1234"}},
        {{"status", "--baud", "1234"}, false, {"--baud does not take 1234", usage + "status\n"}},
        {{"--net", "host:99999", "status"}, false, {}},
        {{"--net", ":9100", "status"}, false, {}},
        {{"--com"}, false, {}},
        {{"--read-timeout", "soon", "status"}, false, {}},
        {{"emulation", "set", "escp"}, true, {usage + "emulation get | set zpl2|cpcl\n"}},
        {{"reset", "--bogus"}, true, {"bogus", usage + "reset\n"}},
        {{"bt-connect"}, true, {}},
        {{"write-config", "--page", "7", "x.json"}, true, {}},
        {{"write-config", "x.json"}, true, {}},
        {{"read-config", "--unit", "cm"}, true, {}},
        {{"dcf", "convert", "x"}, false, {"usage: norvane-cli dcf to-json"}},
        {{"dcf", "to-json", "x.dcf", "--net", "127.0.0.1"}, false, {}},
    };
    for (const auto& [arguments, overNetwork, said] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(run(arguments, overNetwork), 64);
        for (const QString& text : said)
            EXPECT_TRUE(err.contains(text)) << qPrintable(err);
        EXPECT_TRUE(out.isEmpty());
    }
    EXPECT_TRUE(sim.printer.received().isEmpty());
}
