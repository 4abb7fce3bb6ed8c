#include "protocol/FileOperations.h"
#include "ScriptedTransport.h"
#include "protocol/CommandDispatcher.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace norvane;
using namespace norvane::test;

namespace {

/// The frames of a reply, "{" length "|" data "}" each.
QByteArray frames(const QList<QByteArray>& items)
{
    QByteArray bytes;
    for (const QByteArray& data : items)
        bytes += '{' + QByteArray::number(data.size()) + '|' + data + '}';
    return bytes;
}

/// A file list: its entries, then the empty frame that ends it.
QByteArray list(QList<QByteArray> entries)
{
    entries.append(QByteArray());
    return frames(entries);
}

} // namespace

class FileOperationsTest : public ::testing::Test
{
protected:
    /// A printer answering the announcement and the given reports; anything else gets no reply.
    void answer(const QMap<QByteArray, QByteArray>& replies)
    {
        s.device->respond = [replies](QByteArrayView command) {
            const QByteArray line = command.toByteArray().trimmed();
            return line.startsWith("DIAGNOSTIC INTERFACE") ? frames({"OK"}) : replies.value(line.mid(18));
        };
    }

    QString file(const QString& name, const QByteArray& contents)
    {
        QFile out(m_dir.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(contents);
        return out.fileName();
    }

    ScriptedLinks s;
    CommandDispatcher dispatcher{s.links};
    std::unique_ptr<FileListStore> store = std::make_unique<FileListStore>();
    QTemporaryDir m_dir;
};

TEST_F(FileOperationsTest, theListsAndSpacesOfTheThreeMemoriesFillTheirBlocksButTheCardsFreeSpaceIsNotAsked)
{
    answer({{"DPHYSPACE", frames({"1024"})},
            {"DFREESPACE", frames({"1000"})},
            {"DFILELIST", list({"A.BMP", "PROG.BAS"})},
            {"FPHYSPACE", frames({"4096"})},
            {"FFREESPACE", frames({" 3000 KB"})},
            {"FFILELIST", list({"LOGO.BMP"})},
            {"CPHYSPACE", frames({"-1"})},
            {"CFREESPACE", frames({"77"})},
            {"CFILELIST", list({})}});
    ASSERT_EQ(dispatcher.dispatch<OperationCode::ReadFileLists>(InterfaceKind::Ethernet, *store), ResultCode::Success);

    EXPECT_EQ(s.device->written, "\r\nDIAGNOSTIC INTERFACE NET\r\n"
                                 "DIAGNOSTIC REPORT DPHYSPACE\r\nDIAGNOSTIC REPORT DFREESPACE\r\n"
                                 "DIAGNOSTIC REPORT DFILELIST\r\n"
                                 "DIAGNOSTIC REPORT FPHYSPACE\r\nDIAGNOSTIC REPORT FFREESPACE\r\n"
                                 "DIAGNOSTIC REPORT FFILELIST\r\n"
                                 "DIAGNOSTIC REPORT CPHYSPACE\r\nDIAGNOSTIC REPORT CFILELIST\r\n");
    const DeviceFileInfo& dram = (*store)[MemoryDevice::Dram];
    EXPECT_EQ(dram.fileList.text(), "A.BMP\r\nPROG.BAS\r\n");
    EXPECT_EQ(dram.knownPhysicalSpace(), 1024);
    EXPECT_EQ(dram.knownFreeSpace(), 1000);
    EXPECT_EQ((*store)[MemoryDevice::Flash].knownFreeSpace(), 3000);
    const DeviceFileInfo& card = (*store)[MemoryDevice::Card];
    EXPECT_EQ(card.knownPhysicalSpace(), -1);
    EXPECT_EQ(card.freeSpaceValid, 0);
    // Answered with only the empty frame.
    EXPECT_TRUE(card.entries().isEmpty());
}

TEST_F(FileOperationsTest, aListLongerThanItsBlockStopsAtTheEntryThatNoLongerFits)
{
    // Each entry takes 1 002 bytes of the 65 536; the 66th no longer fits.
    QList<QByteArray> names;
    for (int i = 0; i < 70; ++i)
        names.append(QByteArray(1000, static_cast<char>('A' + i % 26)));
    answer({{"DPHYSPACE", frames({"1"})}, {"DFREESPACE", frames({"1"})}, {"DFILELIST", list(names)}});
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadFileLists>(InterfaceKind::Usb, *store),
              ResultCode::DataReceivingError);
    EXPECT_EQ((*store)[MemoryDevice::Dram].entries(), names.first(65));
    EXPECT_FALSE(s.device->written.contains("FPHYSPACE"));
}

TEST_F(FileOperationsTest, aFailureKeepsWhatWasReadBeforeItAndNothingOlder)
{
    answer({{"DPHYSPACE", frames({"10"})},
            {"DFREESPACE", frames({"5"})},
            {"DFILELIST", list({"ONE"})},
            {"FPHYSPACE", frames({"20"})}});
    (*store)[MemoryDevice::Card].fileList.setText("STALE\r\n");
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadFileLists>(InterfaceKind::Com, *store),
              ResultCode::DataReceivingError);
    EXPECT_EQ((*store)[MemoryDevice::Dram].entries(), QList<QByteArray>{"ONE"});
    EXPECT_EQ((*store)[MemoryDevice::Flash].knownPhysicalSpace(), 20);
    EXPECT_FALSE((*store)[MemoryDevice::Flash].knownFreeSpace());
    EXPECT_TRUE((*store)[MemoryDevice::Card].entries().isEmpty());
}

TEST_F(FileOperationsTest, overTheParallelLinkTheReadEndsWithReceivingErrorAfterTheAnnouncement)
{
    answer({});
    EXPECT_EQ(dispatcher.dispatch<OperationCode::ReadFileLists>(InterfaceKind::Lpt, *store),
              ResultCode::DataReceivingError);
    EXPECT_EQ(s.device->written, "\r\nDIAGNOSTIC INTERFACE LPT\r\n");
}

TEST_F(FileOperationsTest, aDownloadIsTheHeaderForItsMemoryFollowedDirectlyByTheFileBytes)
{
    const QByteArray bytes = QByteArray("BM\x00\r\n\"}", 7).repeated(3);
    const QString path = file("logo.bmp", bytes);
    const std::pair<MemoryDevice, QByteArray> headers[] = {{MemoryDevice::Dram, "DOWNLOAD \"LOGO.BMP\",21,"},
                                                           {MemoryDevice::Flash, "DOWNLOAD F,\"LOGO.BMP\",21,"},
                                                           {MemoryDevice::Card, "DOWNLOAD E,\"LOGO.BMP\",21,"}};
    for (const auto& [memory, header] : headers) {
        s.device->written.clear();
        EXPECT_EQ(dispatcher.dispatch<OperationCode::DownloadFile>(InterfaceKind::Usb, {path, "LOGO.BMP", memory}),
                  ResultCode::Success);
        EXPECT_EQ(s.device->written, header + bytes);
    }
    EXPECT_EQ(s.device->fetches, 0);

    s.device->written.clear();
    const DownloadRequest empty{file("empty.dat", {}), "EMPTY", MemoryDevice::Flash};
    EXPECT_EQ(dispatcher.dispatch<OperationCode::DownloadFile>(InterfaceKind::Lpt, empty), ResultCode::Success);
    EXPECT_EQ(s.device->written, "DOWNLOAD F,\"EMPTY\",0,");
}

TEST_F(FileOperationsTest, aDownloadShowsPercentageProgressAroundTheFileBytesOnly)
{
    const DownloadRequest request{file("data.bin", QByteArray(200, 'x')), "DATA", MemoryDevice::Flash};
    ASSERT_EQ(dispatcher.dispatch<OperationCode::DownloadFile>(InterfaceKind::Usb, request), ResultCode::Success);
    EXPECT_EQ(s.recorder.calls, (QStringList{"show", "bar 3", "bar 32", "bar 64", "bar 96", "bar 100", "hide"}));

    // A write that fails still takes the bar away.
    s.recorder.calls.clear();
    s.device->failChunk = s.device->chunks.size() + 2;
    EXPECT_EQ(dispatcher.dispatch<OperationCode::DownloadFile>(InterfaceKind::Usb, request),
              ResultCode::DataTransmissionError);
    EXPECT_EQ(s.recorder.calls, (QStringList{"show", "bar 3", "bar 32", "hide"}));
}

TEST_F(FileOperationsTest, aFileThatCannotBeReadOrANameTheQuotesCannotCarryOpensNoLink)
{
    for (const QString& path : {m_dir.filePath("missing.bmp"), m_dir.path(), QStringLiteral("/dev/zero")})
        EXPECT_EQ(dispatcher.dispatch<OperationCode::DownloadFile>(InterfaceKind::Usb, {path, "A", MemoryDevice::Dram}),
                  ResultCode::FileOpenError);

    const QString path = file("logo.bmp", "BM");
    for (const DownloadRequest& request : {DownloadRequest{path, "A\"B", MemoryDevice::Flash},
                                           DownloadRequest{path, "X\r\nKILL F,\"*.*\"", MemoryDevice::Flash},
                                           DownloadRequest{path, "LOGO.BMP", static_cast<MemoryDevice>(3)}})
        EXPECT_EQ(dispatcher.dispatch<OperationCode::DownloadFile>(InterfaceKind::Usb, request),
                  ResultCode::UnknowError);
    EXPECT_EQ(s.device->opens, 0);
    EXPECT_TRUE(s.recorder.calls.isEmpty());
}

TEST_F(FileOperationsTest, rawBytesGoOutUnchangedWithPercentageProgressOnlyWithTheirCount)
{
    const QByteArray bytes = QByteArray("SIZE 4,2\r\n\x00\xff\x1b!R", 15).repeated(10);
    for (const std::int32_t wrongCount : {0, 149, 151})
        EXPECT_EQ(dispatcher.dispatch<OperationCode::SendRawBytes>(InterfaceKind::Usb, bytes, wrongCount),
                  ResultCode::UnknowError);
    EXPECT_EQ(s.device->opens, 0);

    EXPECT_EQ(dispatcher.dispatch<OperationCode::SendRawBytes>(InterfaceKind::Usb, bytes, 150), ResultCode::Success);
    EXPECT_EQ(s.device->written, bytes);
    EXPECT_EQ(s.recorder.calls, (QStringList{"show", "bar 3", "bar 42", "bar 85", "bar 100", "hide"}));
}

TEST_F(FileOperationsTest, formattingSendsTheMemorysKillCommandAndReadsNothing)
{
    const std::pair<std::int32_t, QByteArray> commands[] = {
        {0, "KILL \"*.*\"\r\n"}, {1, "KILL F,\"*.*\"\r\n"}, {2, "KILL E,\"*.*\"\r\n"}};
    for (const auto& [memory, command] : commands) {
        s.device->written.clear();
        EXPECT_EQ(dispatcher.dispatch<OperationCode::DeleteFiles>(InterfaceKind::Usb, memory), ResultCode::Success);
        EXPECT_EQ(s.device->written, command);
    }
    EXPECT_EQ(s.device->fetches, 0);
    EXPECT_EQ(dispatcher.dispatch<OperationCode::DeleteFiles>(InterfaceKind::Usb, 3), ResultCode::UnknowError);
    EXPECT_EQ(s.device->opens, 3);
}
