#include "SimPrinter.h"
#include "protocol/DumpOperations.h"

#include <gtest/gtest.h>
#include <string>

using namespace norvane;
using namespace norvane::test;

/// Dump mode and the fetch of its file over each of the four links, against the virtual printer.
class DumpOverLinksTest : public ::testing::TestWithParam<InterfaceKind>
{
protected:
    DumpOverLinksTest()
    {
        sim.links->timeouts().fileRequestSettle = std::chrono::milliseconds(0);
        sim.links->timeouts().fileRequestLead = std::chrono::milliseconds(0);
    }

    ResultCode start(std::int32_t mode, const QByteArray& fileName = "Dump.txt")
    {
        const DumpRequest request{mode, fileName, true};
        return sim.dispatcher->dispatch<OperationCode::StartDumpMode>(GetParam(), request);
    }

    ResultCode fetch() { return FetchPrinterFile(*sim.dispatcher, GetParam(), file); }

    int fileRequestsReceived() const { return sim.printer.received().count("DIAGNOSTIC FILE \"Dump.txt\"\r\n\r\n"); }

    SimPrinter sim;
    PrinterFileRequest file;
};

TEST_P(DumpOverLinksTest, dumpToFileStartsDumpModeAndFetchesTheWholeFileWithAnyBytesInIt)
{
    ASSERT_EQ(start(0), ResultCode::Success);
    ASSERT_EQ(start(1, "LOG.TXT"), ResultCode::Success);
    ASSERT_EQ(start(2, "LOG.TXT"), ResultCode::Success);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.dump.starts.size() == 3; }));
    EXPECT_EQ(sim.printer.snapshot().dump.starts,
              (QList<QByteArray>{"DUMP_TEXT PRINT,", "DUMP_TEXT SAVE 1000,E,\"LOG.TXT\",",
                                 "DUMP_TEXT SAVE 1000,\"Dump.txt\","}));
    if (GetParam() == InterfaceKind::Lpt)
        return;

    QByteArray contents = QByteArray("SIZE 4,2\r\n}{9|\x00\x1b!R\xff", 18).repeated(2000);
    sim.printer.withState([&](sim::PrinterState& state) { state.dump.files["Dump.txt"] = contents; });
    ASSERT_EQ(fetch(), ResultCode::Success);
    EXPECT_TRUE(file.contents == contents);
    EXPECT_EQ(fileRequestsReceived(), 1);
}

TEST_P(DumpOverLinksTest, aPrinterThatNeverAnswersTheFileRequestIsAskedThreeTimes)
{
    ASSERT_EQ(start(2), ResultCode::Success);
    sim.misbehave(sim::SimFault::NeverAnswer);
    EXPECT_EQ(fetch(), ResultCode::DataReceivingError);
    EXPECT_TRUE(file.contents.isEmpty());
    if (GetParam() != InterfaceKind::Lpt) {
        EXPECT_TRUE(sim.waitFor(
            [](const sim::PrinterState& state) { return state.commands.count("DIAGNOSTIC FILE \"Dump.txt\"") == 3; }));
    }
}

namespace {

std::string linkName(const ::testing::TestParamInfo<InterfaceKind>& info)
{
    const char* const names[] = {"USB", "COM", "LPT", "ETHERNET"};
    return names[static_cast<int>(info.param)];
}

} // namespace

INSTANTIATE_TEST_SUITE_P(EveryKind, DumpOverLinksTest,
                         ::testing::Values(InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt,
                                           InterfaceKind::Ethernet),
                         linkName);

TEST(DumpOverTcpTest, aFileTooLargeForTheBufferIsRefusedOnEachOfTheThreeTries)
{
    SimPrinter sim;
    sim.links->timeouts().fileRequestSettle = std::chrono::milliseconds(0);
    sim.links->timeouts().fileRequestLead = std::chrono::milliseconds(0);
    sim.printer.withState(
        [](sim::PrinterState& state) { state.dump.files["Dump.txt"] = QByteArray(kPrinterFileCapacity - 1, 'd'); });
    PrinterFileRequest file;
    EXPECT_EQ(FetchPrinterFile(*sim.dispatcher, InterfaceKind::Ethernet, file), ResultCode::DataReceivingError);
    EXPECT_TRUE(file.contents.isEmpty());
    EXPECT_TRUE(sim.waitFor(
        [](const sim::PrinterState& state) { return state.commands.count("DIAGNOSTIC FILE \"Dump.txt\"") == 3; }));
}
