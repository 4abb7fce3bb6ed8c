#include "SimPrinter.h"
#include "protocol/PrinterClock.h"

#include <gtest/gtest.h>

using namespace norvane;
using namespace norvane::test;

namespace {

std::string kindName(InterfaceKind kind)
{
    const char* const names[] = {"USB", "COM", "LPT", "ETHERNET"};
    return names[static_cast<int>(kind)];
}

} // namespace

class ClockOverLinksTest : public ::testing::TestWithParam<InterfaceKind>
{
protected:
    ClockOverLinksTest()
    {
        sim.printer.withState([](sim::PrinterState& state) { state.clock.running = false; });
    }

    SimPrinter sim;
};

TEST_P(ClockOverLinksTest, aClockSetIsReadBackWithItsYearInTwoDigits)
{
    const ClockSetting set{2026, 2, 28, 23, 59, 30};
    ASSERT_EQ(sim.dispatcher->dispatch<OperationCode::SetClock>(GetParam(), set), ResultCode::Success);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.commands.size() == 6; }));
    EXPECT_EQ(sim.printer.snapshot().clock.fields, (sim::ClockFields{26, 2, 28, 23, 59, 30}));

    ClockSetting read;
    const ResultCode result = sim.dispatcher->dispatch<OperationCode::ReadClock>(GetParam(), read);
    if (GetParam() == InterfaceKind::Lpt) {
        // Nothing comes back over the parallel port: the announcement is all that goes.
        EXPECT_EQ(result, ResultCode::DataReceivingError);
        EXPECT_EQ(read.year, 0);
        return;
    }
    ASSERT_EQ(result, ResultCode::Success);
    EXPECT_EQ((std::array{read.year, read.month, read.date, read.hour, read.minute, read.second}),
              (std::array{26, 2, 28, 23, 59, 30}));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ClockOverLinksTest,
                         ::testing::Values(InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt,
                                           InterfaceKind::Ethernet),
                         [](const auto& info) { return kindName(info.param); });
