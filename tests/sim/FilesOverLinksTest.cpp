#include "SimPrinter.h"
#include "files/FileListStore.h"
#include "files/TestPage.h"
#include "protocol/FileOperations.h"
#include "protocol/ReplyFraming.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using namespace norvane;
using namespace norvane::test;

/// The file operations and the test label over each of the four links, against the virtual printer.
class FilesOverLinksTest : public ::testing::TestWithParam<InterfaceKind>
{
protected:
    template <OperationCode Op> ResultCode run(RecordOf<Op>& record, std::int32_t extra = 0)
    {
        return sim.dispatcher->dispatch<Op>(GetParam(), record, extra);
    }

    bool canRead() const { return GetParam() != InterfaceKind::Lpt; }

    QString writeFile(const QString& name, const QByteArray& contents)
    {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return file.fileName();
    }

    /// Waits until the printer received `count` bytes in all, and gives them.
    QByteArray receivedOnceItHas(qsizetype count)
    {
        sim.waitFor([&](const sim::PrinterState& state) { return state.received.size() >= count; });
        return sim.printer.received();
    }

    SimPrinter sim;
    QTemporaryDir dir;
    std::unique_ptr<FileListStore> store = std::make_unique<FileListStore>();
};

TEST_P(FilesOverLinksTest, aDownloadedFileIsListedWithLessFreeSpaceAndFormattingEmptiesTheMemory)
{
    const QByteArray logo(3000, 'L');
    const DownloadRequest request{writeFile("logo.bmp", logo), "LOGO.BMP", MemoryDevice::Dram};
    ASSERT_EQ(run<OperationCode::DownloadFile>(request), ResultCode::Success);
    const QByteArray sent = "DOWNLOAD \"LOGO.BMP\",3000," + logo;
    ASSERT_EQ(receivedOnceItHas(sent.size()), sent);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.memories.dram.files.size() == 1; }));

    if (!canRead()) {
        // The parallel link cannot read: the announcement goes out, then no reply can come.
        sim.printer.clearLogs();
        EXPECT_EQ(run<OperationCode::ReadFileLists>(*store), ResultCode::DataReceivingError);
        EXPECT_EQ(receivedOnceItHas(1), InterfaceAnnouncement(InterfaceKind::Lpt));
    } else {
        ASSERT_EQ(run<OperationCode::ReadFileLists>(*store), ResultCode::Success);
        const DeviceFileInfo& dram = (*store)[MemoryDevice::Dram];
        EXPECT_EQ(dram.entries(), QList<QByteArray>{"LOGO.BMP"});
        EXPECT_EQ(dram.knownPhysicalSpace(), 8192);
        EXPECT_EQ(dram.knownFreeSpace(), 8192 - 3); // whole kilobytes
        EXPECT_TRUE((*store)[MemoryDevice::Flash].entries().isEmpty());
        EXPECT_EQ((*store)[MemoryDevice::Card].knownFreeSpace(), std::nullopt);
    }

    const std::int32_t dramNumber = static_cast<std::int32_t>(MemoryDevice::Dram);
    ASSERT_EQ(run<OperationCode::DeleteFiles>(dramNumber), ResultCode::Success);
    ASSERT_TRUE(sim.waitFor([](const sim::PrinterState& state) { return state.memories.dram.files.isEmpty(); }));
    if (canRead()) {
        ASSERT_EQ(run<OperationCode::ReadFileLists>(*store), ResultCode::Success);
        EXPECT_TRUE((*store)[MemoryDevice::Dram].entries().isEmpty());
        EXPECT_EQ((*store)[MemoryDevice::Dram].knownFreeSpace(), 8192);
    }
}

TEST_P(FilesOverLinksTest, rawBytesAndTheTestLabelArriveExactlyAsSent)
{
    QByteArray raw;
    for (int i = 0; i < 4 * 256; ++i)
        raw += static_cast<char>(i & 0xff);
    ASSERT_EQ(run<OperationCode::SendRawBytes>(raw, static_cast<std::int32_t>(raw.size())), ResultCode::Success);
    ASSERT_EQ(receivedOnceItHas(raw.size()), raw);

    // A 203-dpi printer with a 4 x 6 inch label.
    sim.printer.clearLogs();
    const TestPageRequest label{203.0f, 8.0f, 812.0f, 1218.0f};
    ASSERT_EQ(run<OperationCode::PrintTestPage>(label), ResultCode::Success);
    const QByteArray script = TestPageScript(label).value();
    EXPECT_EQ(receivedOnceItHas(script.size()), script);
}

TEST_P(FilesOverLinksTest, aListOfTheEmptyRecordAloneIsAnEmptyList)
{
    if (!canRead())
        GTEST_SKIP() << "the parallel link cannot read";
    sim.printer.withState([](sim::PrinterState& state) {
        state.memories.flash.files = {{"A.BAS", "x"}, {"B.PCX", "y"}};
    });
    ASSERT_EQ(run<OperationCode::ReadFileLists>(*store), ResultCode::Success);
    EXPECT_EQ((*store)[MemoryDevice::Flash].entries(), (QList<QByteArray>{"A.BAS", "B.PCX"}));
    // The printer answers DRAM's list with the empty record alone.
    EXPECT_EQ((*store)[MemoryDevice::Dram].fileList.text(), "");
    EXPECT_TRUE((*store)[MemoryDevice::Dram].entries().isEmpty());
}

namespace {

std::string linkName(const ::testing::TestParamInfo<InterfaceKind>& info)
{
    const char* const names[] = {"USB", "COM", "LPT", "ETHERNET"};
    return names[static_cast<int>(info.param)];
}

} // namespace

INSTANTIATE_TEST_SUITE_P(EveryKind, FilesOverLinksTest,
                         ::testing::Values(InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt,
                                           InterfaceKind::Ethernet),
                         linkName);
