#include "MemorySizes.h"
#include "VirtualPrinter.h"

#include <gtest/gtest.h>
#include <limits>

using namespace norvane::sim;

namespace {

/// The download header for a memory's prefix ("", "F,", "E,"), and the file's bytes after it.
QByteArray download(const QByteArray& prefix, const QByteArray& name, const QByteArray& bytes)
{
    return "DOWNLOAD " + prefix + '"' + name + "\"," + QByteArray::number(bytes.size()) + ',' + bytes;
}

QByteArray bytesOf(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

QList<QByteArray> names(const Memory& memory)
{
    QList<QByteArray> result;
    for (const StoredFile& file : memory.files)
        result << file.name;
    return result;
}

/// Each memory as the commands address it.
struct Addressed
{
    QByteArray downloadPrefix;
    char reportLetter;
    Memory MemoryState::*memory;
};

const Addressed kMemories[] = {
    {"", 'D', &MemoryState::dram},
    {"F,", 'F', &MemoryState::flash},
    {"E,", 'C', &MemoryState::card},
};

} // namespace

class MemoryCommandsTest : public ::testing::Test
{
protected:
    /// The framed replies' bytes to what was sent, in order.
    QList<QByteArray> replies(const QByteArray& bytes)
    {
        QList<QByteArray> result;
        for (const Output& output : session->receive(bytes))
            result << output.bytes;
        return result;
    }
    QList<QByteArray> report(char letter, const QByteArray& what)
    {
        return replies("DIAGNOSTIC REPORT " + QByteArray(1, letter) + what + "\r\n");
    }
    Memory memory(Memory MemoryState::*which) const { return printer.snapshot().memories.*which; }

    VirtualPrinter printer;
    std::unique_ptr<PrinterSession> session = printer.openSession();
};

TEST_F(MemoryCommandsTest, aDownloadToEachMemoryIsListedAndTakesItsSizeInWholeKilobytes)
{
    for (const Addressed& target : kMemories) {
        const int physical = memory(target.memory).physicalKb;
        ASSERT_EQ(report(target.reportLetter, "FREESPACE"), QList<QByteArray>{Frame(QByteArray::number(physical))});
        const QByteArray logo = bytesOf(2049);
        EXPECT_TRUE(replies(download(target.downloadPrefix, "LOGO.BMP", logo)).isEmpty());
        EXPECT_TRUE(replies(download(target.downloadPrefix, "EMPTY", {})).isEmpty());

        EXPECT_EQ(report(target.reportLetter, "FILELIST"),
                  (QList<QByteArray>{Frame("LOGO.BMP"), Frame("EMPTY"), Frame("")}))
            << target.reportLetter;
        EXPECT_EQ(report(target.reportLetter, "FREESPACE"), QList<QByteArray>{Frame(QByteArray::number(physical - 3))});
        EXPECT_EQ(report(target.reportLetter, "PHYSPACE"), QList<QByteArray>{Frame(QByteArray::number(physical))});
        const Memory stored = memory(target.memory);
        ASSERT_EQ(stored.files.size(), 2);
        EXPECT_EQ(stored.files[0].bytes, logo);
    }
    EXPECT_EQ(printer.commands().first(2),
              (QList<QByteArray>{"DIAGNOSTIC REPORT DFREESPACE", "DOWNLOAD \"LOGO.BMP\",2049, +2049 bytes"}));
}

TEST_F(MemoryCommandsTest, filesHoldAnyBytesAndNothingInThemIsCarriedOut)
{
    const QByteArray script = QByteArrayLiteral("SELFTEST\r\n\x1b!R\0\r\nDOWNLOAD \"X\",1,Y");
    replies(download("F,", "AUTO.BAS", script) + "SELFTEST\r\n");
    const PrinterState state = printer.snapshot();
    ASSERT_EQ(state.memories.flash.files.size(), 1);
    EXPECT_EQ(state.memories.flash.files[0].bytes, script);
    EXPECT_EQ(state.functions.configurationPages, 1);
    EXPECT_EQ(state.control.resets, 0);
}

TEST_F(MemoryCommandsTest, aFileOfTheSameNameIsReplacedAndItsSpaceGivenBack)
{
    replies(download("F,", "A.BAS", bytesOf(3000)) + download("F,", "B.BAS", bytesOf(10)));
    replies(download("F,", "A.BAS", bytesOf(1024)));
    const Memory flash = memory(&MemoryState::flash);
    EXPECT_EQ(names(flash), (QList<QByteArray>{"B.BAS", "A.BAS"}));
    EXPECT_EQ(flash.files[1].bytes, bytesOf(1024));
    EXPECT_EQ(flash.freeKb, flash.physicalKb - 2);

    // The largest free space a report can carry stays that, whatever a replaced file gives back.
    constexpr int kLargest = std::numeric_limits<int>::max();
    printer.withState([](PrinterState& state) { state.memories.card = {kLargest, kLargest, {{"A", bytesOf(4096)}}}; });
    replies(download("E,", "A", bytesOf(10)));
    EXPECT_EQ(memory(&MemoryState::card).freeKb, kLargest);
}

TEST_F(MemoryCommandsTest, aFileThatDoesNotFitIsRefusedAndTheMemoryKeepsWhatItHad)
{
    printer.withState([](PrinterState& state) {
        state.memories.dram = {8, 4, {{"OLD", bytesOf(2048)}}};
        state.memories.card = {0, 0, {}};
    });
    replies(download("", "NEW", bytesOf(4097)));
    // The file it replaces makes room: 4 KB free and its 2 KB.
    replies(download("", "OLD", bytesOf(6 * 1024 + 1)));
    replies(download("E,", "LOGO.BMP", {}));
    replies(download("", "", bytesOf(1)));
    Memory dram = memory(&MemoryState::dram);
    EXPECT_EQ(names(dram), QList<QByteArray>{"OLD"});
    EXPECT_EQ(dram.files[0].bytes, bytesOf(2048));
    EXPECT_EQ(dram.freeKb, 4);
    EXPECT_TRUE(memory(&MemoryState::card).files.isEmpty());
    EXPECT_EQ(printer.commands(),
              (QList<QByteArray>{
                  "DOWNLOAD \"NEW\",4097, +4097 bytes (refused: needs 5 KB, DRAM has room for 4 KB)",
                  "DOWNLOAD \"OLD\",6145, +6145 bytes (refused: needs 7 KB, DRAM has room for 6 KB)",
                  "DOWNLOAD E,\"LOGO.BMP\",0, (refused: no CARD)",
                  "DOWNLOAD \"\",1, +1 bytes (refused: no file name)",
              }));

    replies(download("", "OLD", bytesOf(6 * 1024)));
    dram = memory(&MemoryState::dram);
    EXPECT_EQ(dram.files[0].bytes.size(), 6 * 1024);
    EXPECT_EQ(dram.freeKb, 0);
}

TEST_F(MemoryCommandsTest, formattingEmptiesOnlyTheMemoryNamed)
{
    for (const Addressed& target : kMemories)
        replies(download(target.downloadPrefix, "FILE", bytesOf(5000)));
    replies("KILL E,\"*.*\"\r\nKILL F,\"LOGO.BMP\"\r\n");
    MemoryState memories = printer.snapshot().memories;
    EXPECT_TRUE(memories.card.files.isEmpty());
    EXPECT_EQ(memories.card.freeKb, memories.card.physicalKb);
    EXPECT_EQ(names(memories.flash), QList<QByteArray>{"FILE"});
    EXPECT_EQ(names(memories.dram), QList<QByteArray>{"FILE"});
    EXPECT_EQ(report('C', "FILELIST"), QList<QByteArray>{Frame("")});

    replies("KILL F,\"*.*\"\r\nKILL \"*.*\"\r\n");
    memories = printer.snapshot().memories;
    EXPECT_TRUE(memories.flash.files.isEmpty() && memories.dram.files.isEmpty());
    EXPECT_EQ(memories.dram.freeKb, memories.dram.physicalKb);
    EXPECT_EQ(report('D', "FILELIST"), QList<QByteArray>{Frame("")});
}

TEST_F(MemoryCommandsTest, theSpaceReportsAnswerTheSizesSetAndNothingElseIsTakenForOne)
{
    MemoryState memories;
    QString error;
    ASSERT_TRUE(SetMemorySizes(QStringLiteral("dram=100/40,FLASH=2000,CARD=0"), memories, error));
    printer.withState([&](PrinterState& state) { state.memories = memories; });
    EXPECT_EQ(replies("DIAGNOSTIC REPORT DPHYSPACE\r\nDIAGNOSTIC REPORT DFREESPACE\r\nDIAGNOSTIC REPORT "
                      "FFREESPACE\r\nDIAGNOSTIC REPORT CPHYSPACE\r\nDIAGNOSTIC REPORT CFREESPACE\r\n"),
              (QList<QByteArray>{Frame("100"), Frame("40"), Frame("2000"), Frame("0"), Frame("0")}));
    EXPECT_TRUE(replies("DIAGNOSTIC REPORT FFILELIST X\r\nDIAGNOSTIC REPORT EFILELIST\r\n").isEmpty());
}

TEST(MemorySizesTest, aTextNotWhollyValidChangesNothing)
{
    for (const char* bad : {"DRAM=100,ROM=5", "DRAM", "DRAM=", "DRAM=10/20", "DRAM=-1", "DRAM=+5", "DRAM=1e3",
                            "DRAM=2147483648", "DRAM=5/", "", "DRAM=5,"}) {
        MemoryState unchanged;
        QString error;
        EXPECT_FALSE(SetMemorySizes(QString::fromLatin1(bad), unchanged, error)) << bad;
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(unchanged.dram.physicalKb, MemoryState().dram.physicalKb) << bad;
    }
}
