#include "ScriptedTransport.h"
#include "link/LinkLayer.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

QByteArray bytes(int count)
{
    QByteArray data(count, '\0');
    for (int i = 0; i < count; ++i)
        data[i] = static_cast<char>(i * 7);
    return data;
}

QList<qsizetype> chunkSizes(const ScriptedDevice& device)
{
    QList<qsizetype> sizes;
    for (const QByteArray& chunk : device.chunks)
        sizes << chunk.size();
    return sizes;
}

} // namespace

class PrinterLinkTest : public ::testing::Test
{
protected:
    ScriptedLinks s;
};

TEST_F(PrinterLinkTest, usbAndComWriteChunksOf64WithPercentages)
{
    for (InterfaceKind kind : {InterfaceKind::Usb, InterfaceKind::Com}) {
        s.device->chunks.clear();
        s.recorder.calls.clear();
        s.progress.ShowProgress(ProgressMode::Percentage, 3, 3);
        auto link = s.links.OpenLink(kind);
        ASSERT_TRUE(link);
        EXPECT_TRUE(link->WriteLink(bytes(130)));
        EXPECT_EQ(chunkSizes(*s.device), (QList<qsizetype>{64, 64, 2}));
        EXPECT_EQ(s.recorder.calls, (QStringList{"show", "bar 3", "bar 49", "bar 98", "bar 100"}));
        s.progress.HideProgress();
    }
    EXPECT_EQ(s.device->written, bytes(130) + bytes(130));
}

TEST_F(PrinterLinkTest, ethernetWritesChunksOf512AndEndsAtFullPercentage)
{
    s.progress.ShowProgress(ProgressMode::Percentage, 0, 0);
    auto link = s.links.OpenLink(InterfaceKind::Ethernet);
    EXPECT_TRUE(link->WriteLink(bytes(1000)));
    EXPECT_EQ(chunkSizes(*s.device), (QList<qsizetype>{512, 488}));
    EXPECT_EQ(s.recorder.calls, (QStringList{"show", "bar 0", "bar 51", "bar 100", "bar 100"}));
    EXPECT_EQ(s.recorder.eventPasses, 2);
}

TEST_F(PrinterLinkTest, lptWritesEverythingAtOnce)
{
    s.progress.ShowProgress(ProgressMode::Percentage, 0, 0);
    auto link = s.links.OpenLink(InterfaceKind::Lpt);
    EXPECT_TRUE(link->WriteLink(bytes(1000)));
    EXPECT_EQ(chunkSizes(*s.device), (QList<qsizetype>{1000}));
    EXPECT_EQ(s.recorder.calls.last(), "bar 100");
}

TEST_F(PrinterLinkTest, emptyWriteSucceedsWithoutWritingAndStepModeAdvancesOncePerWrite)
{
    s.progress.ShowProgress(ProgressMode::StepPerWrite, 3, 3);
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    EXPECT_TRUE(link->WriteLink(QByteArrayView()));
    EXPECT_TRUE(link->WriteLink(bytes(200)));
    EXPECT_EQ(chunkSizes(*s.device), (QList<qsizetype>{64, 64, 64, 8}));
    // Percentages are ignored in step mode: one step of 3 per write.
    EXPECT_EQ(s.recorder.calls, (QStringList{"show", "bar 3", "bar 6", "bar 9"}));
}

TEST_F(PrinterLinkTest, aFailedChunkFailsTheWriteAtOnce)
{
    s.device->failChunk = 1;
    auto link = s.links.OpenLink(InterfaceKind::Com);
    EXPECT_FALSE(link->WriteLink(bytes(300)));
    EXPECT_EQ(s.device->chunks.size(), 2);
    EXPECT_EQ(s.device->written, bytes(64));
}

TEST_F(PrinterLinkTest, progressIgnoresStepsWhenHiddenOrOfTheOtherMode)
{
    s.progress.StepProgress(ProgressMode::Percentage, 50);
    EXPECT_TRUE(s.recorder.calls.isEmpty());
    s.progress.ShowProgress(ProgressMode::StepPerWrite, 3, 40);
    s.progress.StepProgress(ProgressMode::Percentage, 50);
    s.progress.StepProgress(ProgressMode::StepPerWrite, 0);
    s.progress.StepProgress(ProgressMode::StepPerWrite, 0);
    s.progress.StepProgress(ProgressMode::StepPerWrite, 0); // the bar stops at its maximum
    s.progress.HideProgress();
    s.progress.StepProgress(ProgressMode::StepPerWrite, 0);
    EXPECT_EQ(s.recorder.calls, (QStringList{"show", "bar 3", "bar 43", "bar 83", "bar 100", "hide"}));
}

TEST_F(PrinterLinkTest, anLptLinkCannotReadAndNeverWaits)
{
    s.device->input = "x";
    auto link = s.links.OpenLink(InterfaceKind::Lpt);
    std::uint8_t byte = 0;
    EXPECT_FALSE(link->ReadByte(byte));
    EXPECT_EQ(s.device->fetches, 0);
}

TEST_F(PrinterLinkTest, readsFetchOnlyWhenTheRingIsEmptyAndFailAfterOneReadTimeoutWithoutInput)
{
    s.device->input = "AB";
    auto link = s.links.OpenLink(InterfaceKind::Ethernet);
    char out[4] = {};
    EXPECT_EQ(link->ReadBytes(out, 4), 2u);
    EXPECT_EQ(QByteArray(out, 2), "AB");
    EXPECT_EQ(s.device->fetches - s.device->emptyFetches, 1);
    EXPECT_EQ(s.device->clock, s.links.timeouts().ethernet);
}

TEST_F(PrinterLinkTest, comFetchesOneByteAndUsbUpTo64)
{
    s.device->input = bytes(100);
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    std::uint8_t byte = 0;
    ASSERT_TRUE(link->ReadByte(byte));
    EXPECT_EQ(s.device->input.size(), 36);

    link = s.links.OpenLink(InterfaceKind::Com);
    ASSERT_TRUE(link->ReadByte(byte));
    EXPECT_EQ(s.device->input.size(), 35);
}

TEST_F(PrinterLinkTest, everyOpenEmptiesTheRingOfItsKind)
{
    s.device->input = "LEFTOVER";
    {
        auto link = s.links.OpenLink(InterfaceKind::Ethernet);
        std::uint8_t byte = 0;
        ASSERT_TRUE(link->ReadByte(byte)); // fetches all 8 bytes into the ring, reads one
    }
    auto link = s.links.OpenLink(InterfaceKind::Ethernet);
    std::uint8_t byte = 0;
    EXPECT_FALSE(link->ReadByte(byte));
}

TEST_F(PrinterLinkTest, discardInputDropsTheRingAndWhatTheDeviceQueued)
{
    s.device->input = "OLDNEW";
    auto link = s.links.OpenLink(InterfaceKind::Usb);
    std::uint8_t byte = 0;
    ASSERT_TRUE(link->ReadByte(byte));
    s.device->input = "QUEUED";
    link->DiscardInput();
    EXPECT_FALSE(link->ReadByte(byte));
}

TEST_F(PrinterLinkTest, moreThanTheRingHoldsArrivesWithoutLossWhenReadAsItComes)
{
    const QByteArray sent = bytes(70000);
    s.device->input = sent;
    auto link = s.links.OpenLink(InterfaceKind::Ethernet);
    QByteArray received(sent.size(), '\0');
    EXPECT_EQ(link->ReadBytes(received.data(), static_cast<std::size_t>(sent.size())),
              static_cast<std::size_t>(sent.size()));
    EXPECT_EQ(received, sent);
}

TEST_F(PrinterLinkTest, aRefusedOpenGivesNoLink)
{
    s.device->refuseOpen = true;
    EXPECT_EQ(s.links.OpenLink(InterfaceKind::Usb), nullptr);
}
