#include "files/FileListStore.h"

#include <gtest/gtest.h>
#include <memory>

using namespace norvane;

TEST(FileListStoreTest, entriesAreTheCrLfSeparatedLinesExactlyAsSent)
{
    DeviceFileInfo block;
    EXPECT_TRUE(block.entries().isEmpty());
    // A lone CR or LF inside a name is part of it; only CR LF separates.
    block.fileList.setText("LOGO.BMP\r\nX\rY Z\nW\r\n");
    EXPECT_EQ(block.entries(), (QList<QByteArray>{"LOGO.BMP", "X\rY Z\nW"}));
    // The list ends at its terminating zero.
    block.fileList.bytes[11] = '\0';
    EXPECT_EQ(block.entries(), (QList<QByteArray>{"LOGO.BMP", "X"}));
}

TEST(FileListStoreTest, clearingEmptiesEveryBlockAndForgetsEverySpace)
{
    const auto store = std::make_unique<FileListStore>();
    DeviceFileInfo& card = (*store)[MemoryDevice::Card];
    EXPECT_EQ(&card, &store->blocks[2]);
    card.fileList.bytes.fill('x');
    card.physicalSpaceValid = 1;
    card.physicalSpace = 7;
    EXPECT_EQ(card.knownPhysicalSpace(), 7);
    EXPECT_FALSE(card.knownFreeSpace());
    store->clear();
    EXPECT_EQ(card.fileList, TextField<kFileListCapacity>{});
    EXPECT_FALSE(card.knownPhysicalSpace());
    EXPECT_EQ(card.physicalSpace, 0);
}
