#include "fonts/CodeSets.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace norvane;

TEST(CodeSetsTest, eachAsianGridHasEveryPositionInLeadThenTrailOrder)
{
    const AsianGrid& japanese = AsianGridOf(AsianEncoding::Japanese);
    const QList<GlyphCode> codes = AsianGridCodes(japanese);
    EXPECT_EQ(AsianHalfWidthCount(japanese), 160);
    EXPECT_EQ(codes.size(), 160 + 60 * 189);
    EXPECT_EQ(codes[95].lead, 0x7F);
    EXPECT_EQ(codes[96].lead, 0xA0);
    EXPECT_FALSE(codes[159].doubleByte);
    // The first double-byte code, the one after the lead 0x9F row, and the very last.
    EXPECT_TRUE(codes[160].doubleByte);
    EXPECT_EQ(codes[160].lead, 0x81);
    EXPECT_EQ(codes[160].trail, 0x40);
    EXPECT_EQ(codes[160 + 31 * 189].lead, 0xE0);
    EXPECT_EQ(codes.last().lead, 0xFC);
    EXPECT_EQ(codes.last().trail, 0xFC);

    EXPECT_EQ(AsianGridCodes(AsianGridOf(AsianEncoding::SimplifiedChinese)).size(), 96 + 126 * 191);
    EXPECT_EQ(AsianGridCodes(AsianGridOf(AsianEncoding::TraditionalChinese)).size(), 96 + 94 * (63 + 94));
    EXPECT_EQ(AsianGridCodes(AsianGridOf(AsianEncoding::Korean)).size(), 96 + 94 * 95);
    EXPECT_EQ(AsianGridOfLetter('K'), &AsianGridOf(AsianEncoding::Korean));
    EXPECT_EQ(AsianGridOfLetter('X'), nullptr);
}

TEST(CodeSetsTest, codesDecodeThroughTheirEncodingAndUndrawableCodesGiveNoText)
{
    CodeDecoder western(nullptr);
    EXPECT_EQ(western.text({'A', 0, false}), QStringLiteral("A"));
    EXPECT_EQ(western.text({0x80, 0, false}), QStringLiteral("\u20AC"));
    EXPECT_EQ(western.text({0xE9, 0, false}), QStringLiteral("\u00E9"));
    EXPECT_TRUE(western.text({0x0D, 0, false}).isEmpty());

    CodeDecoder gb(&AsianGridOf(AsianEncoding::SimplifiedChinese));
    EXPECT_EQ(gb.text({0xD6, 0xD0, true}), QStringLiteral("\u4E2D"));
    // An unassigned position (trail 0x7F) draws nothing and does not spoil the next code.
    EXPECT_TRUE(gb.text({0x81, 0x7F, true}).isEmpty());
    EXPECT_EQ(gb.text({0xD2, 0xBB, true}), QStringLiteral("\u4E00"));

    CodeDecoder big5(&AsianGridOf(AsianEncoding::TraditionalChinese));
    EXPECT_EQ(big5.text({0xA4, 0xA4, true}), QStringLiteral("\u4E2D"));
    CodeDecoder korean(&AsianGridOf(AsianEncoding::Korean));
    EXPECT_EQ(korean.text({0xB0, 0xA1, true}), QStringLiteral("\uAC00"));
    CodeDecoder japanese(&AsianGridOf(AsianEncoding::Japanese));
    EXPECT_EQ(japanese.text({0x82, 0xA0, true}), QStringLiteral("\u3042"));
    // Half-width katakana are single bytes of the Japanese grid.
    EXPECT_EQ(japanese.text({0xB1, 0, false}), QStringLiteral("\uFF71"));
}

TEST(CodeSetsTest, aCodeTableKeepsEveryByteFromSpaceUpToTheFirstZero)
{
    EXPECT_EQ(FilterCodeTable("ABC\r\nDEF"), QByteArray("ABCDEF"));
    EXPECT_EQ(FilterCodeTable(QByteArray("A\tA\xFF\x80", 5)), QByteArray("AA\xFF\x80"));
    EXPECT_EQ(FilterCodeTable(QByteArray("AB\0CD", 5)), QByteArray("AB"));
    EXPECT_EQ(FilterCodeTable(QByteArray(65535, 'x')).size(), 65535);
    EXPECT_TRUE(FilterCodeTable(QByteArray(65536, 'x')).isEmpty());

    QTemporaryDir dir;
    const QString small = dir.filePath("table.txt");
    const QString large = dir.filePath("large.txt");
    QFile smallFile(small);
    ASSERT_TRUE(smallFile.open(QIODevice::WriteOnly));
    smallFile.write("\xA4\xA4\r\n\xA4\x40");
    smallFile.close();
    QFile largeFile(large);
    ASSERT_TRUE(largeFile.open(QIODevice::WriteOnly));
    largeFile.write(QByteArray(65536, 'x'));
    largeFile.close();
    EXPECT_EQ(CodeTableFromFile(small), QByteArray("\xA4\xA4\xA4\x40"));
    EXPECT_TRUE(CodeTableFromFile(large).isEmpty());
    EXPECT_TRUE(CodeTableFromFile(dir.filePath("missing.txt")).isEmpty());
}
