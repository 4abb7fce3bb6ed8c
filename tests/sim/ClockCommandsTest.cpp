#include "ClockState.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>

using namespace norvane::sim;
using namespace std::chrono_literals;

TEST(ClockStateTest, aRunningClockCountsOnFromItsSettingAcrossTheYearsEnd)
{
    ClockState clock;
    clock.fields = {26, 12, 31, 23, 59, 58};
    EXPECT_EQ(ClockReading(clock, clock.setAt + 1999ms), (ClockFields{26, 12, 31, 23, 59, 59}));
    EXPECT_EQ(ClockReading(clock, clock.setAt + 3s), (ClockFields{27, 1, 1, 0, 0, 1}));

    clock.running = false;
    EXPECT_EQ(ClockReading(clock, clock.setAt + 1h), (ClockFields{26, 12, 31, 23, 59, 58}));
}

TEST(ClockStateTest, aFieldIsSetOnTheTimeReachedSoFarAndOnlyWithinItsRange)
{
    ClockState clock;
    clock.fields = {26, 1, 31, 10, 0, 0};
    EXPECT_TRUE(SetClockField(clock, 4, 30, clock.setAt + 90s));
    EXPECT_EQ(clock.fields, (ClockFields{26, 1, 31, 10, 30, 30}));

    // February 31st is passed through on the way to a real date, standing still meanwhile.
    EXPECT_TRUE(SetClockField(clock, 1, 2, clock.setAt));
    EXPECT_EQ(ClockReading(clock, clock.setAt + 5s), (ClockFields{26, 2, 31, 10, 30, 30}));
    EXPECT_TRUE(SetClockField(clock, 2, 28, clock.setAt));
    EXPECT_EQ(ClockReading(clock, clock.setAt + 5s), (ClockFields{26, 2, 28, 10, 30, 35}));

    for (const auto& [index, value] : {std::pair{0, 100}, {1, 0}, {1, 13}, {2, 32}, {3, 24}, {4, -1}, {5, 60}})
        EXPECT_FALSE(SetClockField(clock, index, value, clock.setAt)) << index << ' ' << value;
    EXPECT_EQ(clock.fields, (ClockFields{26, 2, 28, 10, 30, 30}));
}

TEST(ClockStateTest, aStartTimeIsADateAndTimeOfThisCentury)
{
    EXPECT_EQ(ParseClockTime(QStringLiteral("2026-03-09T14:05:07")), (ClockFields{26, 3, 9, 14, 5, 7}));
    EXPECT_EQ(ParseClockTime(QStringLiteral("2005-12-31T23:59:59")), (ClockFields{5, 12, 31, 23, 59, 59}));
    for (const char* refused : {"2026-02-30T10:00:00", "2026-03-09 14:05:07", "1999-12-31T23:59:59",
                                "2100-01-01T00:00:00", "2026-03-09T24:00:00", "2026-03-09T14:05", ""})
        EXPECT_FALSE(ParseClockTime(QLatin1StringView(refused))) << refused;
}

class ClockCommandsTest : public ::testing::Test
{
protected:
    ClockCommandsTest()
    {
        printer.withState([](PrinterState& state) {
            state.clock.running = false;
            state.clock.fields = {26, 1, 15, 10, 0, 0};
        });
    }

    /// The framed answers of the printer to `bytes`.
    QByteArray answers(const QByteArray& bytes)
    {
        QByteArray answered;
        for (const Output& output : session->receive(bytes))
            answered += output.bytes;
        return answered;
    }

    VirtualPrinter printer;
    std::unique_ptr<PrinterSession> session = printer.openSession();
};

TEST_F(ClockCommandsTest, theSettingsChangeWhatTheReportsAnswer)
{
    EXPECT_TRUE(answers("@YEAR = \"5\"\r\n@MONTH = \"3\"\r\n@DATE = \"9\"\r\n@HOUR = \"14\"\r\n@MINUTE = \"0\"\r\n"
                        "@SECOND = \"59\"\r\n")
                    .isEmpty());
    EXPECT_EQ(answers("DIAGNOSTIC REPORT YEAR\r\nDIAGNOSTIC REPORT MONTH\r\nDIAGNOSTIC REPORT DATE\r\n"
                      "DIAGNOSTIC REPORT HOUR\r\nDIAGNOSTIC REPORT MINUTE\r\nDIAGNOSTIC REPORT SECOND\r\n"),
              "{2|05}{2|03}{2|09}{2|14}{2|00}{2|59}");
    // The other reports are still answered from the settings.
    EXPECT_TRUE(answers("DIAGNOSTIC REPORT EDITION\r\n").startsWith('{'));
}

TEST_F(ClockCommandsTest, aValueTheClockCannotHoldIsIgnoredAndNoted)
{
    answers("@MONTH = \"13\"\r\n@HOUR = \"x\"\r\n@MINUTE = 7\r\n@MINUTE\r\n@SECOND = \"30\"\r\n");
    const PrinterState state = printer.snapshot();
    EXPECT_EQ(state.commands, QList<QByteArray>({"@MONTH = \"13\" (ignored)", "@HOUR = \"x\" (ignored)",
                                                 "@MINUTE = 7 (ignored)", "@MINUTE (ignored)", "@SECOND = \"30\""}));
    EXPECT_EQ(state.clock.fields, (ClockFields{26, 1, 15, 10, 0, 30}));
}
