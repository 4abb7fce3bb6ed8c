#include "ScriptedTransport.h"
#include "link/LinkLayer.h"
#include "link/WaitPacing.h"
#include "protocol/CommandDispatcher.h"
#include "protocol/PrinterStatus.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;
using namespace std::chrono_literals;

/// The waits of a link, on a scripted device whose clock moves only while the link waits on it.
class LinkWaitTest : public ::testing::Test
{
protected:
    /// The printer answers `bytes` once the link has waited `after` in all.
    void answerAfter(std::chrono::milliseconds after, const QByteArray& bytes)
    {
        s.device->arrive = [this, after, bytes, answered = false]() mutable {
            if (answered || s.device->clock < after)
                return QByteArray();
            answered = true;
            return bytes;
        };
    }

    ScriptedLinks s;
};

TEST_F(LinkWaitTest, aSilentReadWaitsItsWholeTimeoutInSlicesWithAnEventPassBetweenThem)
{
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    std::uint8_t byte = 0;
    EXPECT_FALSE(link->ReadByte(byte));
    EXPECT_EQ(s.device->clock, s.links.timeouts().usbRead);
    EXPECT_GE(s.device->emptyFetches, s.links.timeouts().usbRead / WaitPacing::kSlice);
    EXPECT_EQ(s.recorder.eventPasses, s.device->emptyFetches - 1);
    EXPECT_EQ(s.recorder.calls, QStringList{"waiting"});
    link.reset();
    EXPECT_EQ(s.recorder.calls, (QStringList{"waiting", "waiting over"}));
}

TEST_F(LinkWaitTest, aWaitShorterThanTheThresholdKeepsPaintingButShowsNothing)
{
    answerAfter(s.links.timeouts().showWaitingAfter - WaitPacing::kSlice, "A");
    auto link = s.links.OpenLink(InterfaceKind::Ethernet);
    std::uint8_t byte = 0;
    ASSERT_TRUE(link->ReadByte(byte));
    EXPECT_EQ(byte, 'A');
    EXPECT_GT(s.recorder.eventPasses, 0);
    link.reset();
    EXPECT_TRUE(s.recorder.calls.isEmpty());
}

TEST_F(LinkWaitTest, aLateAnswerIsReadAndWhatItsWaitShowedStaysUntilTheLinkCloses)
{
    answerAfter(s.links.timeouts().showWaitingAfter * 2, "{2|OK}");
    auto link = s.links.OpenLink(InterfaceKind::Com);
    char reply[6] = {};
    EXPECT_EQ(link->ReadBytes(reply, 6), 6u);
    EXPECT_EQ(QByteArray(reply, 6), "{2|OK}");
    EXPECT_EQ(s.recorder.calls, QStringList{"waiting"}); // once per wait, however long it goes on
    link.reset();
    EXPECT_EQ(s.recorder.calls, (QStringList{"waiting", "waiting over"}));
}

TEST_F(LinkWaitTest, aLongWaitUnderAShownBarLeavesTheWindowToTheBar)
{
    s.progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    std::uint8_t byte = 0;
    EXPECT_FALSE(link->ReadByte(byte));
    link.reset();
    s.progress.HideProgress();
    EXPECT_EQ(s.recorder.calls, (QStringList{"show", "bar 3", "waiting", "hide"}));
}

TEST_F(LinkWaitTest, aCancelEndsTheWaitAsATimeoutAndEveryFurtherReadOfTheLinkFailsAtOnce)
{
    s.recorder.cancelAtEventPass = 5;
    auto link = s.links.OpenLink(InterfaceKind::Ethernet);
    std::uint8_t byte = 0;
    EXPECT_FALSE(link->ReadByte(byte));
    EXPECT_LT(s.device->clock, s.links.timeouts().ethernet);
    EXPECT_EQ(s.recorder.eventPasses, 5);

    // What arrives now is not read, nothing is waited for, and writes still go out.
    s.device->input = "LATE";
    const int fetches = s.device->fetches;
    EXPECT_FALSE(link->ReadByte(byte));
    EXPECT_FALSE(link->WaitForInput(10s));
    EXPECT_EQ(s.device->fetches, fetches);
    EXPECT_TRUE(link->WriteLink("~!T\r\n"));
    EXPECT_EQ(s.device->written, "~!T\r\n");

    // The next link is not cancelled.
    link = s.links.OpenLink(InterfaceKind::Ethernet);
    s.device->input = "NEXT";
    EXPECT_TRUE(link->ReadByte(byte));
}

TEST_F(LinkWaitTest, aCancelDuringAWriteLetsTheWriteFinishAndFailsTheReadsAfterIt)
{
    s.recorder.cancelAtEventPass = 1;
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    const QByteArray data(200, 'x');
    EXPECT_TRUE(link->WriteLink(data));
    EXPECT_EQ(s.device->written, data);
    s.device->input = "A";
    std::uint8_t byte = 0;
    EXPECT_FALSE(link->ReadByte(byte));
}

TEST_F(LinkWaitTest, aCancelAskedForWhileNoLinkWaitsDoesNotReachTheNextLink)
{
    s.recorder.cancel();
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    answerAfter(WaitPacing::kSlice * 3, "A");
    std::uint8_t byte = 0;
    EXPECT_TRUE(link->ReadByte(byte));
}

TEST_F(LinkWaitTest, aConnectionThatEndsFailsTheReadWithoutWaiting)
{
    s.device->ended = true;
    auto link = s.links.OpenLink(InterfaceKind::Ethernet);
    std::uint8_t byte = 0;
    EXPECT_FALSE(link->ReadByte(byte));
    EXPECT_EQ(s.device->fetches, 1);
    EXPECT_EQ(s.device->clock, 0ms);
    EXPECT_EQ(s.recorder.eventPasses, 0);
}

TEST_F(LinkWaitTest, aCancelledOperationEndsWithTheResultOfAPrinterThatDidNotAnswer)
{
    CommandDispatcher dispatcher(s.links);
    StatusFlags flags;
    s.recorder.cancelAtEventPass = 3;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadStatus>(InterfaceKind::Usb, flags),
              ResultCode::DataReceivingError);
    EXPECT_LT(s.device->clock, s.links.timeouts().usbRead);
    EXPECT_FALSE(s.progress.isWaitingShown());

    s.device->respond = [](QByteArrayView) {
        return QByteArray(1, '\0');
    };
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadStatus>(InterfaceKind::Usb, flags), ResultCode::Success);
}
