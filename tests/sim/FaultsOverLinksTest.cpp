#include "RefusingPort.h"
#include "SimPrinter.h"
#include "config/PrinterConfig.h"
#include "link/PrinterLink.h"
#include "protocol/PrinterStatus.h"
#include "protocol/ReplyFraming.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;
using namespace std::chrono_literals;

class FaultsOverLinksTest : public ::testing::Test
{
protected:
    /// The interface announcement's exchange and its reply, over the given kind.
    std::pair<ResultCode, QByteArray> announce(InterfaceKind kind)
    {
        auto link = sim.links->OpenLink(kind);
        if (!link)
            return {ResultCode::PortOpenError, {}};
        QByteArray reply;
        const ResultCode result = Exchange(*link, InterfaceAnnouncement(kind), reply);
        return {result, reply};
    }

    SimPrinter sim;
};

TEST_F(FaultsOverLinksTest, aPrinterThatNeverAnswersFailsTheReadAfterOneTimeout)
{
    sim.misbehave(sim::SimFault::NeverAnswer);
    for (InterfaceKind kind : {InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Ethernet}) {
        StatusFlags flags;
        EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::ReadStatus>(kind, flags), ResultCode::DataReceivingError);
        EXPECT_EQ(announce(kind).first, ResultCode::DataReceivingError);
    }
}

TEST_F(FaultsOverLinksTest, aPrinterThatStreamsWithoutEverStartingAFrameIsGivenUpOn)
{
    sim.misbehave(sim::SimFault::EndlessGarbage);
    for (InterfaceKind kind : {InterfaceKind::Ethernet, InterfaceKind::Usb}) {
        EXPECT_EQ(announce(kind).first, ResultCode::DataReceivingError);
        PrinterConfig config;
        EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::ReadConfiguration>(kind, config, 0),
                  ResultCode::DataReceivingError);
    }
}

TEST_F(FaultsOverLinksTest, aPrinterThatTricklesBytesFasterThanTheTimeoutMeetsTheReplyDeadline)
{
    // Every wait ends with a byte well inside the read time-out, so only the reply's deadline ends the read.
    sim.misbehave(sim::SimFault::TrickleGarbage, SimPrinter::kShortTimeout / 10);
    for (InterfaceKind kind : {InterfaceKind::Ethernet, InterfaceKind::Com}) {
        QByteArray password = "unchanged";
        EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::ReadPassword>(kind, password),
                  ResultCode::DataReceivingError);
    }
}

TEST_F(FaultsOverLinksTest, aConnectionClosedInTheMiddleOfAReplyFailsTheRead)
{
    sim.misbehave(sim::SimFault::CloseMidReply);
    EXPECT_EQ(announce(InterfaceKind::Ethernet).first, ResultCode::DataReceivingError);
    EXPECT_EQ(announce(InterfaceKind::Com).first, ResultCode::DataReceivingError);
}

TEST_F(FaultsOverLinksTest, badFramesFailAndStrayBytesBeforeAFrameDoNot)
{
    sim.misbehave(sim::SimFault::OversizedFrame);
    EXPECT_EQ(announce(InterfaceKind::Ethernet).first, ResultCode::DataReceivingError);
    sim.misbehave(sim::SimFault::MalformedFrame);
    EXPECT_EQ(announce(InterfaceKind::Usb).first, ResultCode::DataReceivingError);
    sim.misbehave(sim::SimFault::GarbageBeforeFrame);
    EXPECT_EQ(announce(InterfaceKind::Ethernet), std::make_pair(ResultCode::Success, QByteArray("NET")));
    EXPECT_EQ(announce(InterfaceKind::Com), std::make_pair(ResultCode::Success, QByteArray("COM")));
}

TEST_F(FaultsOverLinksTest, aLateAnswerCountsOnlyWithinTheReadTimeout)
{
    sim.misbehave(sim::SimFault::AnswerLate, SimPrinter::kShortTimeout / 3);
    EXPECT_EQ(announce(InterfaceKind::Ethernet).first, ResultCode::Success);
    sim.misbehave(sim::SimFault::AnswerLate, SimPrinter::kShortTimeout * 3);
    EXPECT_EQ(announce(InterfaceKind::Ethernet).first, ResultCode::DataReceivingError);
}

TEST_F(FaultsOverLinksTest, aPrinterAnsweringOnlyTheFirstStatusQueryStillGivesAStatus)
{
    sim.printer.withState([](sim::PrinterState& state) {
        state.status = 0x10;
        state.answersExtendedStatus = false;
    });
    StatusFlags flags;
    EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::ReadStatus>(InterfaceKind::Com, flags), ResultCode::Success);
    EXPECT_EQ(StatusText(flags), "Pause");
}

TEST_F(FaultsOverLinksTest, aRefusedConnectionOrAMissingPortIsAnOpenError)
{
    const RefusingPort refusing;
    sim.settings.ethernet.port = refusing.port();
    EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::LinkTest>(InterfaceKind::Ethernet), ResultCode::PortOpenError);
    sim.settings.serial.portName = QStringLiteral("/dev/ttyNoSuchPort");
    EXPECT_EQ(sim.dispatcher->dispatch<OperationCode::ResetPrinter>(InterfaceKind::Com), ResultCode::PortOpenError);
}
