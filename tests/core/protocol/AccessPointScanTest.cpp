#include "protocol/AccessPointScan.h"
#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;
using namespace std::chrono_literals;

TEST(AccessPointReplyTest, entriesFollowTheCountWithAnUnusedThirdField)
{
    AccessPointScanResult result;
    ASSERT_TRUE(ParseAccessPointReply("3\rOffice,2,-40\rLab,1,\rGuest,0,x\r", result));
    EXPECT_TRUE(result.moduleFound);
    ASSERT_EQ(result.accessPoints.size(), 3);
    EXPECT_EQ(result.accessPoints[0].ssid, "Office");
    EXPECT_EQ(result.accessPoints[0].security, 2);
    EXPECT_EQ(result.accessPoints[1].security, 1);
    EXPECT_EQ(result.accessPoints[2].ssid, "Guest");
    EXPECT_EQ(SecurityName(1), "WEP");
    EXPECT_EQ(SecurityName(2), "WPA");
    EXPECT_EQ(SecurityName(0), "NONE");
    EXPECT_EQ(SecurityName(7), "NONE");
}

TEST(AccessPointReplyTest, anAccessPointListedAgainWithTheSameSecurityIsShownOnce)
{
    const QList<AccessPoint> distinct =
        DistinctAccessPoints({{"Office", 2}, {"Lab", 1}, {"Office", 2}, {"Office", 1}, {"office", 2}, {"Lab", 1}});
    ASSERT_EQ(distinct.size(), 4);
    EXPECT_EQ(distinct[2].ssid, "Office");
    EXPECT_EQ(distinct[2].security, 1);
    EXPECT_EQ(distinct[3].ssid, "office");
}

TEST(AccessPointReplyTest, minusOneMeansNoModuleAndAReplyWithoutCountEndIsRefused)
{
    AccessPointScanResult result;
    result.accessPoints.append({"stale", 1});
    ASSERT_TRUE(ParseAccessPointReply("-1\r", result));
    EXPECT_FALSE(result.moduleFound);
    EXPECT_TRUE(result.accessPoints.isEmpty());
    ASSERT_TRUE(ParseAccessPointReply("0\r", result));
    EXPECT_TRUE(result.moduleFound);
    EXPECT_FALSE(ParseAccessPointReply("2", result));
}

TEST(AccessPointReplyTest, aMissingSeparatorEndsTheList)
{
    AccessPointScanResult result;
    ASSERT_TRUE(ParseAccessPointReply("3\rA,1,x\rB,2\r", result)); // B has no second comma before the end
    ASSERT_EQ(result.accessPoints.size(), 1);
    ASSERT_TRUE(ParseAccessPointReply("3\rA,1,x\rB,2,x", result));
    ASSERT_EQ(result.accessPoints.size(), 1);
    ASSERT_TRUE(ParseAccessPointReply("5\rA,1,x\r", result)); // fewer entries than counted
    ASSERT_EQ(result.accessPoints.size(), 1);
    ASSERT_TRUE(ParseAccessPointReply("1\rA,1,x\rB,2,x\r", result)); // more than counted
    ASSERT_EQ(result.accessPoints.size(), 1);
    // A huge count over a short reply ends at the reply's end.
    ASSERT_TRUE(ParseAccessPointReply("2147483647\rA,1,x\r", result));
    EXPECT_EQ(result.accessPoints.size(), 1);
}

TEST(AccessPointReplyTest, longSsidsAreCutAndEntriesBeyondAHundredDropped)
{
    QByteArray reply = "130\r";
    for (int i = 0; i < 130; ++i)
        reply += QByteArray::number(i) + QByteArray(300, 's') + ",2,\r";
    AccessPointScanResult result;
    ASSERT_TRUE(ParseAccessPointReply(reply, result));
    ASSERT_EQ(result.accessPoints.size(), 100);
    EXPECT_EQ(result.accessPoints[0].ssid, "0" + QByteArray(254, 's'));
    EXPECT_EQ(result.accessPoints[99].ssid.left(2), "99");
    EXPECT_EQ(result.accessPoints[99].security, 2);
}

class AccessPointScanTest : public ::testing::Test
{
protected:
    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
};

TEST_F(AccessPointScanTest, theScanWaitsTwelveSecondsInSixtyStepsWhenNothingComes)
{
    EXPECT_EQ(s.links.timeouts().accessPointScan, 12000ms);
    s.device->respond = [](QByteArrayView command) {
        return command.startsWith("\r\nDIAGNOSTIC INTERFACE") ? QByteArray("{3|NET}") : QByteArray();
    };
    AccessPointScanResult result;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ScanAccessPoints>(InterfaceKind::Com, result),
              ResultCode::DataReceivingError);
    EXPECT_EQ(s.device->written, "\r\nDIAGNOSTIC INTERFACE COM\r\nDIAGNOSTIC REPORT SCANAP\r\n");
    EXPECT_GE(s.device->clock, 12000ms);
    EXPECT_EQ(s.recorder.calls.first(), "show");
    EXPECT_EQ(s.recorder.calls.count(QStringLiteral("bar 6")), 1);
    EXPECT_EQ(s.recorder.calls.last(), "hide");
    EXPECT_FALSE(s.progress.isShown());
}

TEST_F(AccessPointScanTest, anAnswerThatBeginsEarlyEndsTheWait)
{
    s.device->respond = [](QByteArrayView command) {
        return command.startsWith("\r\nDIAGNOSTIC INTERFACE") ? QByteArray("{3|COM}") : QByteArray();
    };
    // The answer comes after the command, so input discarded before the wait does not take it away.
    s.device->arrive = [this, answered = false]() mutable {
        if (answered || !s.device->written.endsWith("SCANAP\r\n"))
            return QByteArray();
        answered = true;
        return QByteArray("{12|2\rA,1,\rB,0,\r}");
    };
    AccessPointScanResult result;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ScanAccessPoints>(InterfaceKind::Com, result), ResultCode::Success);
    ASSERT_EQ(result.accessPoints.size(), 2);
    EXPECT_EQ(result.accessPoints[1].ssid, "B");
    EXPECT_FALSE(s.recorder.calls.contains(QStringLiteral("bar 6")));
    EXPECT_LT(s.device->clock, 12000ms);
}

TEST_F(AccessPointScanTest, failuresBeforeTheScanAreTransmissionErrors)
{
    AccessPointScanResult result;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ScanAccessPoints>(InterfaceKind::Usb, result),
              ResultCode::DataTransmissionError); // the announcement is not answered
    EXPECT_FALSE(s.progress.isShown());
    s.device->refuseOpen = true;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ScanAccessPoints>(InterfaceKind::Usb, result),
              ResultCode::PortOpenError);
}
