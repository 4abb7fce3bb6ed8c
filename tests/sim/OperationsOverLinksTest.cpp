#include "SimPrinter.h"
#include "protocol/PrinterStatus.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

const char* kindName(InterfaceKind kind)
{
    switch (kind) {
    case InterfaceKind::Usb:
        return "USB";
    case InterfaceKind::Com:
        return "COM";
    case InterfaceKind::Lpt:
        return "LPT";
    case InterfaceKind::Ethernet:
        return "ETHERNET";
    }
    return "?";
}

} // namespace

class OperationsOverLinksTest : public ::testing::TestWithParam<InterfaceKind>
{
protected:
    template <OperationCode Op> ResultCode run(RecordOf<Op>& record)
    {
        return sim.dispatcher->dispatch<Op>(GetParam(), record);
    }
    ResultCode run(OperationCode op) { return sim.dispatcher->dispatch(op, GetParam()); }

    SimPrinter sim;
};

TEST_P(OperationsOverLinksTest, sendOnlyOperationsDeliverTheirExactBytes)
{
    const std::pair<OperationCode, QByteArray> cases[] = {
        {OperationCode::FactoryDefault, "INITIALPRINTER\r\n"},
        {OperationCode::PrintConfigurationPage, "SELFTEST\r\n"},
        {OperationCode::ResetPrinter, QByteArray("\x1b!R", 3)},
        {OperationCode::IgnoreStartupProgram, QByteArray("\x1b!C", 3)},
        {OperationCode::ExitLineMode, QByteArray("\x1bZ\r\n", 4)},
    };
    QByteArray expected;
    for (const auto& [op, bytes] : cases) {
        EXPECT_EQ(run(op), ResultCode::Success);
        expected += bytes;
    }
    sim.waitFor([&](const sim::PrinterState& state) { return state.received.size() >= expected.size(); });
    EXPECT_EQ(sim.printer.received(), expected);
    const sim::PrinterState state = sim.printer.snapshot();
    EXPECT_EQ(state.functions.factoryDefaults, 1);
    EXPECT_EQ(state.functions.configurationPages, 1);
    EXPECT_EQ(state.control.resets, 1);
    EXPECT_EQ(state.control.startupProgramsIgnored, 1);
    EXPECT_EQ(state.control.lineModeExits, 1);
}

TEST_P(OperationsOverLinksTest, theStatusComesBackAsThePrinterHoldsIt)
{
    sim.printer.withState([](sim::PrinterState& state) {
        state.status = 0x08;
        state.extendedStatus[4] = 0x04;
    });
    StatusFlags flags;
    const ResultCode result = run<OperationCode::ReadStatus>(flags);
    if (GetParam() == InterfaceKind::Lpt) {
        EXPECT_EQ(result, ResultCode::DataReceivingError);
        EXPECT_TRUE(sim.printer.received().isEmpty());
        return;
    }
    ASSERT_EQ(result, ResultCode::Success);
    EXPECT_EQ(StatusText(flags), "Out of Ribbon");
    EXPECT_EQ(sim.printer.received(), QByteArray("\x1b!?\x1b!S\r\n", 8));
}

TEST_P(OperationsOverLinksTest, theLinkTestOpensWithoutSendingAnything)
{
    EXPECT_EQ(run(OperationCode::LinkTest), ResultCode::Success);
    // Whatever the link test sent would arrive before the next operation's bytes.
    ASSERT_EQ(run(OperationCode::PrintConfigurationPage), ResultCode::Success);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.received.endsWith("SELFTEST\r\n"); }));
    EXPECT_EQ(sim.printer.received(), "SELFTEST\r\n");
}

INSTANTIATE_TEST_SUITE_P(EveryKind, OperationsOverLinksTest,
                         ::testing::Values(InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt,
                                           InterfaceKind::Ethernet),
                         [](const auto& info) { return kindName(info.param); });
