#include "CliFixture.h"
#include "protocol/PrinterClock.h"

using namespace norvane;

class CliClockTest : public CliFixture
{
protected:
    CliClockTest()
    {
        sim.printer.withState([](sim::PrinterState& state) { state.clock.running = false; });
    }

    sim::ClockFields printerClock() { return sim.printer.snapshot().clock.fields; }
};

TEST_F(CliClockTest, aTimeSetIsReadBackAsJson)
{
    ASSERT_EQ(run({"clock", "set", "2005-03-09T07:08:09"}), 0) << qPrintable(err);
    EXPECT_TRUE(out.isEmpty());
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.clock.fields[5] == 9; }));
    EXPECT_EQ(printerClock(), (sim::ClockFields{5, 3, 9, 7, 8, 9}));
    EXPECT_TRUE(sim.printer.received().endsWith(ClockSettingText({2005, 3, 9, 7, 8, 9})));

    ASSERT_EQ(run({"clock", "get"}), 0) << qPrintable(err);
    EXPECT_EQ(out, "{\"year\": 5, \"month\": 3, \"date\": 9, \"hour\": 7, \"minute\": 8, \"second\": 9}\n");
}

TEST_F(CliClockTest, nowIsThisComputersLocalTime)
{
    const QDateTime before = QDateTime::currentDateTime();
    ASSERT_EQ(run({"clock", "set", "now"}), 0) << qPrintable(err);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.received.contains("@SECOND"); }));
    const QDateTime after = QDateTime::currentDateTime();
    const auto [year, month, date, hour, minute, second] = printerClock();
    const QDateTime set(QDate(2000 + year, month, date), QTime(hour, minute, second));
    EXPECT_GE(set, before.addMSecs(-before.time().msec()));
    EXPECT_LE(set, after);
}

TEST_F(CliClockTest, aTimeThatDoesNotExistIsRefusedBeforeThePrinterIsAsked)
{
    for (const char* time : {"2026-02-29T10:00:00", "2026-03-09 10:00:00", "2026-03-09T24:00:00", "today", ""}) {
        EXPECT_EQ(run({"clock", "set", time}), 64) << time;
        EXPECT_TRUE(err.contains("YYYY-MM-DDTHH:MM:SS")) << qPrintable(err);
    }
    EXPECT_EQ(run({"clock", "get", "--printer-password-file", "-"}), 64);
    EXPECT_EQ(run({"clock", "set"}), 64);
    EXPECT_TRUE(sim.printer.received().isEmpty());
}

TEST_F(CliClockTest, settingTheClockPassesThePasswordGate)
{
    sim.printer.withState([](sim::PrinterState& state) { state.reports["PASSWORD"] = "Secret"; });
    const sim::ClockFields held = printerClock();
    EXPECT_EQ(run({"clock", "set", "2026-01-02T03:04:05"}), 77);
    EXPECT_TRUE(err.startsWith("Incorrect\n"));
    EXPECT_EQ(sim.printer.received(), passwordRead());

    givePrinterPassword("Secret");
    ASSERT_EQ(run({"clock", "set", "2026-01-02T03:04:05"}), 0) << qPrintable(err);
    EXPECT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.clock.fields[5] == 5; }));
    EXPECT_NE(printerClock(), held);
}

TEST_F(CliClockTest, aClockThatCannotBeReadExitsWithItsCodeAndPrintsNothing)
{
    sim.misbehave(sim::SimFault::NeverAnswer);
    EXPECT_EQ(run({"clock", "get"}), 3);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(err, "Data Receiving Error\n");
}
