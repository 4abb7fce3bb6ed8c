#include "CliCommand.h"
#include "CliFixture.h"

using namespace norvane;

using CliArgumentsTest = CliFixture;

TEST_F(CliArgumentsTest, everyCommandShowsItsOwnUsageAndOptions)
{
    for (const auto& command : cli::AllCliCommands()) {
        const QString name = command->name();
        ASSERT_EQ(run({name, "--help"}, false), 0) << qPrintable(name);
        EXPECT_TRUE(out.startsWith("usage: norvane-cli ")) << qPrintable(out);
        EXPECT_TRUE(out.contains(command->usage())) << qPrintable(name);
        EXPECT_TRUE(out.contains("-h, --help")) << qPrintable(name);
        // Printer commands take the link options after their name too, so their help lists them.
        EXPECT_EQ(out.contains("--net HOST[:PORT]"), command->needsPrinter()) << qPrintable(name);
        EXPECT_TRUE(err.isEmpty());
    }
    ASSERT_EQ(run({"write-config", "-h"}, false), 0);
    EXPECT_TRUE(out.contains("--ca-cert PATH"));
    EXPECT_TRUE(out.contains("--printer-password-file FILE|-"));
    ASSERT_EQ(run({"dcf", "--help"}, false), 0);
    EXPECT_TRUE(out.contains("--unit inch|mm"));

    ASSERT_EQ(run({"--help"}, false), 0);
    EXPECT_TRUE(out.contains("usage: norvane-cli [LINK] COMMAND [ARGS]"));
    EXPECT_TRUE(out.contains("COMMAND --help"));
    EXPECT_TRUE(out.contains("77 when the printer's password is missing"));
    EXPECT_TRUE(out.contains("NORVANE_PRINTER_PASSWORD"));
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

    ASSERT_EQ(run({"password", "get"}), 0);
    EXPECT_EQ(out, "\n");
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
    ASSERT_EQ(run({"--net", "127.0.0.1:1", "status", "--net", networkTarget()}, false), 0);
    EXPECT_EQ(run({"--net", networkTarget(), "status", "--net", "127.0.0.1:1"}, false), 1);
    EXPECT_EQ(run({"--net", networkTarget(), "--net=127.0.0.1:1", "status"}, false), 1);

    EXPECT_EQ(run({"status", "--baud", "1234"}, false), 64);
    EXPECT_TRUE(err.contains("--baud does not take 1234"));
    EXPECT_TRUE(err.contains("usage: norvane-cli [LINK] status\n"));
    EXPECT_EQ(run({"dcf", "to-json", "x.dcf", "--net", "127.0.0.1"}, false), 64);
}

TEST_F(CliArgumentsTest, usageErrorsPrintTheCommandsUsageOnStderr)
{
    EXPECT_EQ(run({"status", "extra"}), 64);
    EXPECT_TRUE(err.contains("usage: norvane-cli [LINK] status\nnorvane-cli status --help shows its options.\n"))
        << qPrintable(err);
    EXPECT_EQ(run({"emulation", "set", "escp"}), 64);
    EXPECT_TRUE(err.contains("usage: norvane-cli [LINK] emulation get | set zpl2|cpcl\n"));
    EXPECT_EQ(run({"reset", "--bogus"}), 64);
    EXPECT_TRUE(err.contains("bogus"));
    EXPECT_TRUE(err.contains("usage: norvane-cli [LINK] reset\n"));
    EXPECT_EQ(run({"dcf", "convert", "x"}, false), 64);
    EXPECT_TRUE(err.contains("usage: norvane-cli dcf to-json"));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(sim.printer.received().isEmpty());
}
