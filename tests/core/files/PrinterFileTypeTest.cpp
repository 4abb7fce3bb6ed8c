#include "files/PrinterFileType.h"
#include "files/DownloadRequest.h"

#include <gtest/gtest.h>

using namespace norvane;

TEST(BrowsePrinterNameTest, theStemIsCutToEightCharactersAndTakesTheTypesExtension)
{
    EXPECT_EQ(BrowsePrinterName("/home/user/logos/LongFileName.bmp", PrinterFileType::Bmp), "LongFile.BMP");
    EXPECT_EQ(BrowsePrinterName("/tmp/abc.txt", PrinterFileType::DataFile), "abc");
    EXPECT_EQ(BrowsePrinterName("/tmp/PROGRAM1.bas", PrinterFileType::BasicFile), "PROGRAM1.BAS");
    EXPECT_EQ(BrowsePrinterName("/tmp/font24.bmf", PrinterFileType::BitmapFont), "font24");
    // Only the last dot starts the extension, and a folder's dots are no part of the name.
    EXPECT_EQ(BrowsePrinterName("/tmp/v1.2/fw.v2.new", PrinterFileType::FirmwareFile), "fw.v2");
    EXPECT_FALSE(PrinterFileNameTooLong(QString(30, u'N')));
    EXPECT_TRUE(PrinterFileNameTooLong(QString(31, u'N')));
}

TEST(PrinterFileTypeTest, openFiltersBecomeQtNameFiltersMatchingEitherCase)
{
    EXPECT_EQ(QtNameFilters(QString::fromLatin1(FileTypeInfo(PrinterFileType::Bmp).openFilter)),
              "BMP (*.BMP *.bmp);;All files (*)");
    EXPECT_EQ(QtNameFilters(QString::fromLatin1(FileTypeInfo(PrinterFileType::TrueTypeFont).openFilter)),
              "TTF (*.TTF *.ttf)");
    EXPECT_EQ(QtNameFilters(QString::fromLatin1(FileTypeInfo(PrinterFileType::BitmapFont).openFilter)),
              "All files (*)");
    EXPECT_EQ(QtNameFilters(QString::fromLatin1(FileTypeInfo(PrinterFileType::DataFile).openFilter)), "All files (*)");
    EXPECT_EQ(QtNameFilters(u"Pictures|*.BMP;*.PCX"), "Pictures (*.BMP *.bmp *.PCX *.pcx)");
    // Only firmware and TCF files go out raw; a number that is no type is none of them.
    EXPECT_TRUE(FileTypeInfo(PrinterFileType::TcfFile).sentRaw);
    EXPECT_FALSE(FileTypeInfo(PrinterFileType::BasicFile).sentRaw);
    EXPECT_FALSE(PrinterFileTypeFromIndex(8));
}
