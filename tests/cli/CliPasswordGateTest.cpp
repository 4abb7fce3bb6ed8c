#include "CliFixture.h"

using namespace norvane;

class CliPasswordGateTest : public CliFixture
{
protected:
    CliPasswordGateTest()
    {
        setPrinterPassword("Secret");
        writeFile("config.json", R"({"density": {"valid": true, "value": 3}})");
    }

    void setPrinterPassword(const QByteArray& password)
    {
        sim.printer.withState([&](sim::PrinterState& state) { state.reports["PASSWORD"] = password; });
    }

    QByteArray printerPassword() { return sim.printer.snapshot().reports["PASSWORD"]; }

    QString configPath() const { return file("config.json"); }
};

TEST_F(CliPasswordGateTest, aMissingOrWrongPasswordSendsNothingThatChangesThePrinter)
{
    const QList<QStringList> changes{
        {"factory-default"}, {"write-config", "--page", "0", configPath()}, {"password", "set", "New1"}};
    for (const QByteArray& given : {QByteArray(), QByteArray("secret")}) {
        if (!given.isNull())
            givePrinterPassword(given);
        for (const QStringList& change : changes) {
            sim.printer.clearLogs();
            EXPECT_EQ(run(change), 77) << qPrintable(change.join(' '));
            EXPECT_TRUE(err.startsWith("Incorrect\n")) << qPrintable(err);
            EXPECT_TRUE(err.contains("NORVANE_PASSWORD"));
            EXPECT_TRUE(err.contains("--printer-password-file FILE|-"));
            EXPECT_TRUE(out.isEmpty());
            EXPECT_EQ(sim.printer.received(), passwordRead()) << qPrintable(change.join(' '));
        }
    }
    const sim::PrinterState state = sim.printer.snapshot();
    EXPECT_EQ(state.functions.factoryDefaults, 0);
    EXPECT_EQ(state.reports["PASSWORD"], "Secret");
    EXPECT_EQ(state.reports["DENSITY"], "8");
}

TEST_F(CliPasswordGateTest, theRightPasswordLetsTheChangeThrough)
{
    givePrinterPassword("Secret");
    ASSERT_EQ(run({"factory-default"}), 0) << qPrintable(err);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.functions.factoryDefaults == 1; }));
    EXPECT_TRUE(sim.printer.received().startsWith(passwordRead()));

    // The file wins over the environment; "-" reads it from standard input.
    givePrinterPassword("wrong");
    const QString passwordFile = writeFile("password", "Secret\n");
    EXPECT_EQ(run({"factory-default", "--printer-password-file", passwordFile}), 0) << qPrintable(err);
    EXPECT_EQ(run({"factory-default", "--printer-password-file", "-"}, true, "Secret\r\n"), 0) << qPrintable(err);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.functions.factoryDefaults == 3; }));

    sim.printer.clearLogs();
    ASSERT_EQ(run({"write-config", "--page", "0", configPath(), "--printer-password-file", "-"}, true, "Secret"), 0)
        << qPrintable(err);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.reports["DENSITY"] == "3"; }));
    EXPECT_TRUE(sim.printer.received().startsWith(passwordRead()));
}

TEST_F(CliPasswordGateTest, eachWayOfGivingThePasswordIsHeardInItsOrder)
{
    // --password is a link option: before or after the command.
    EXPECT_EQ(run({"--password", "Secret", "factory-default"}), 0) << qPrintable(err);
    EXPECT_EQ(run({"factory-default", "--password", "Secret"}), 0) << qPrintable(err);
    // The variable the tool had first still works.
    qputenv(norvane::cli::kOlderPasswordVariable, "Secret");
    EXPECT_EQ(run({"factory-default"}), 0) << qPrintable(err);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.functions.factoryDefaults == 3; }));

    // NORVANE_PASSWORD wins over the older variable, --password over both, the file over everything.
    sim.printer.clearLogs();
    givePrinterPassword("wrong");
    EXPECT_EQ(run({"factory-default"}), 77);
    EXPECT_EQ(run({"factory-default", "--password", "wrong"}), 77);
    givePrinterPassword("Secret");
    EXPECT_EQ(run({"factory-default", "--password", "wrong"}), 77);
    EXPECT_EQ(run({"factory-default", "--password", "wrong", "--printer-password-file", "-"}, true, "Secret\n"), 0)
        << qPrintable(err);
    EXPECT_EQ(run({"factory-default", "--password", "Secret", "--printer-password-file", "-"}, true, "wrong\n"), 77);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.functions.factoryDefaults == 4; }));
    // Taken as given, spaces and all.
    EXPECT_EQ(run({"factory-default", "--password", "Secret "}), 77);
}

TEST_F(CliPasswordGateTest, aPrinterWithoutPasswordAsksForNone)
{
    setPrinterPassword("");
    EXPECT_EQ(run({"factory-default"}), 0) << qPrintable(err);
    // Up to edition 100 a printer has no password to read at all.
    sim.printer.withState([](sim::PrinterState& state) {
        state.reports["EDITION"] = "100";
        state.reports["PASSWORD"] = "Secret";
    });
    EXPECT_EQ(run({"factory-default"}), 0) << qPrintable(err);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.functions.factoryDefaults == 2; }));
}

TEST_F(CliPasswordGateTest, aFailedPasswordReadExitsWithItsCodeAndSendsNothingElse)
{
    givePrinterPassword("Secret");
    sim.printer.withState([](sim::PrinterState& state) { state.fault = sim::SimFault::NeverAnswer; });
    sim.printer.clearLogs();
    EXPECT_EQ(run({"factory-default"}), 3);
    EXPECT_EQ(err, "Data Receiving Error\n");
    EXPECT_EQ(sim.printer.received(), InterfaceAnnouncement(InterfaceKind::Ethernet));
    EXPECT_EQ(run({"--net", refusingTarget(), "password", "set", "New1"}, false), 1);
    EXPECT_EQ(err, "Port Open Error\n");
}

TEST_F(CliPasswordGateTest, theNewPasswordIsReadFromStandardInputAfterTheCurrentOne)
{
    sim.printer.clearLogs();
    ASSERT_EQ(run({"password", "set", "-", "--printer-password-file", "-"}, true, "Secret\nNew one\n"), 0)
        << qPrintable(err);
    EXPECT_EQ(printerPassword(), "New one");
    EXPECT_EQ(sim.printer.received(), passwordRead() + "DIAGNOSTIC PASSWORD \"New one\"\r\n");

    // An empty line removes the password.
    givePrinterPassword("New one");
    ASSERT_EQ(run({"password", "set", "-"}, true, "\n"), 0) << qPrintable(err);
    EXPECT_EQ(printerPassword(), "");

    // Setting the password the printer has sends nothing.
    setPrinterPassword("Same");
    givePrinterPassword("Same");
    sim.printer.clearLogs();
    ASSERT_EQ(run({"password", "set", "Same"}), 0) << qPrintable(err);
    EXPECT_EQ(sim.printer.received(), passwordRead());
}

TEST_F(CliPasswordGateTest, givenPasswordsAreBoundedAndCheckedBeforeThePrinterIsAsked)
{
    givePrinterPassword("Secret");
    sim.printer.clearLogs();
    EXPECT_EQ(run({"password", "set", "-"}, true, ""), 65);
    EXPECT_TRUE(err.contains("standard input: no password line")) << qPrintable(err);
    EXPECT_EQ(run({"password", "set", "-"}, true, QByteArray(5000, 'x')), 65);
    EXPECT_TRUE(err.contains("longer than 1024 bytes"));
    EXPECT_EQ(run({"password", "set", "-"}, true, "bad\"quote\n"), 64);
    EXPECT_EQ(run({"password", "set", "-"}, true, QByteArray(65, 'x') + '\n'), 64);
    EXPECT_TRUE(err.contains("at most 64 characters"));
    EXPECT_EQ(run({"password", "set", "-x"}), 64);
    EXPECT_EQ(run({"password", "set", "--", "-x"}), 64);
    EXPECT_TRUE(err.contains("read from standard input: password set -"));
    EXPECT_EQ(run({"password", "get", "--printer-password-file", "-"}), 64);

    const QString missing = file("missing");
    EXPECT_EQ(run({"factory-default", "--printer-password-file", missing}), 65);
    EXPECT_TRUE(err.contains(missing));
    givePrinterPassword("\u20ac");
    EXPECT_EQ(run({"factory-default"}), 65);
    EXPECT_TRUE(err.contains("Latin-1"));
    EXPECT_TRUE(sim.printer.received().isEmpty());
}
