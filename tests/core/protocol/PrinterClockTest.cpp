#include "protocol/PrinterClock.h"
#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

class PrinterClockTest : public ::testing::Test
{
protected:
    /// A printer answering the announcement and the given reports, and nothing else.
    void answer(const QMap<QByteArray, QByteArray>& reports)
    {
        s.device->respond = [reports](QByteArrayView command) {
            const QByteArray line = command.toByteArray().trimmed();
            if (line.startsWith("DIAGNOSTIC INTERFACE"))
                return QByteArray("{3|NET}");
            const QByteArray key = line.mid(18);
            if (line.startsWith("DIAGNOSTIC REPORT ") && reports.contains(key))
                return '{' + QByteArray::number(reports.value(key).size()) + '|' + reports.value(key) + '}';
            return QByteArray();
        };
    }

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
};

TEST_F(PrinterClockTest, theClockIsSentAsSixLinesInOneWriteWithTheYearCutToTwoDigits)
{
    ClockSetting clock{2026, 3, 9, 14, 5, 0};
    ASSERT_EQ(dispatcher.dispatch<OperationCode::SetClock>(InterfaceKind::Lpt, clock), ResultCode::Success);
    EXPECT_EQ(s.device->written, "@YEAR = \"26\"\r\n@MONTH = \"3\"\r\n@DATE = \"9\"\r\n@HOUR = \"14\"\r\n"
                                 "@MINUTE = \"5\"\r\n@SECOND = \"0\"\r\n");
    EXPECT_EQ(s.device->chunks.size(), 1);

    // No leading zero, and nothing checks a range: what was entered is what goes.
    EXPECT_EQ(ClockSettingText({2005, 13, 0, 24, -1, 99}),
              "@YEAR = \"5\"\r\n@MONTH = \"13\"\r\n@DATE = \"0\"\r\n@HOUR = \"24\"\r\n@MINUTE = \"-1\"\r\n"
              "@SECOND = \"99\"\r\n");
    EXPECT_TRUE(ClockSettingText({26, 1, 1, 0, 0, 0}).startsWith("@YEAR = \"26\"\r\n"));
    EXPECT_TRUE(ClockSettingText({2100, 1, 1, 0, 0, 0}).startsWith("@YEAR = \"0\"\r\n"));
}

TEST_F(PrinterClockTest, aClockThatCannotBeWrittenGivesTheLinkCodes)
{
    const ClockSetting clock{2026, 1, 1, 0, 0, 0};
    s.device->failChunk = 0;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::SetClock>(InterfaceKind::Usb, clock),
              ResultCode::DataTransmissionError);
    s.device->refuseOpen = true;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::SetClock>(InterfaceKind::Usb, clock), ResultCode::PortOpenError);
}

TEST_F(PrinterClockTest, theSixFieldsAreReadInOrderAfterTheAnnouncement)
{
    answer({{"YEAR", "26"}, {"MONTH", "12"}, {"DATE", "08"}, {"HOUR", "13"}, {"MINUTE", "59"}, {"SECOND", "7"}});
    ClockSetting clock;
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadClock>(InterfaceKind::Ethernet, clock), ResultCode::Success);
    EXPECT_EQ(s.device->written, "\r\nDIAGNOSTIC INTERFACE NET\r\nDIAGNOSTIC REPORT YEAR\r\nDIAGNOSTIC REPORT MONTH\r\n"
                                 "DIAGNOSTIC REPORT DATE\r\nDIAGNOSTIC REPORT HOUR\r\nDIAGNOSTIC REPORT MINUTE\r\n"
                                 "DIAGNOSTIC REPORT SECOND\r\n");
    EXPECT_EQ((std::array{clock.year, clock.month, clock.date, clock.hour, clock.minute, clock.second}),
              (std::array{26, 12, 8, 13, 59, 7}));
}

TEST_F(PrinterClockTest, theFirstUnansweredReportEndsTheReadAndKeepsWhatCameBefore)
{
    answer({{"YEAR", "26"}, {"MONTH", "12"}, {"DATE", "8"}, {"HOUR", "13"}, {"SECOND", "7"}});
    ClockSetting clock;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadClock>(InterfaceKind::Usb, clock), ResultCode::DataReceivingError);
    EXPECT_EQ((std::array{clock.year, clock.month, clock.date, clock.hour, clock.minute, clock.second}),
              (std::array{26, 12, 8, 13, 0, 0}));
    EXPECT_FALSE(s.device->written.contains("SECOND"));
}

TEST_F(PrinterClockTest, overTheParallelPortTheReadEndsAfterTheAnnouncement)
{
    answer({{"YEAR", "26"}});
    ClockSetting clock;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadClock>(InterfaceKind::Lpt, clock), ResultCode::DataReceivingError);
    EXPECT_EQ(s.device->written, "\r\nDIAGNOSTIC INTERFACE LPT\r\n");
    EXPECT_EQ(clock.year, 0);
}
