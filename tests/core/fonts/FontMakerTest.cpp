#include "fonts/FontMaker.h"
#include "TestFonts.h"
#include "fonts/CodeSets.h"
#include "fonts/FontHeader.h"

#include <QTemporaryDir>

using namespace norvane;
using namespace norvane::test;

namespace {

class FontMakerTest : public ::testing::Test
{
protected:
    FontMakerTest() { m_progress.setView(&m_recorder); }

    BitmapFontParams standard(FontPitch pitch, int first = 32, int last = 127)
    {
        BitmapFontParams params;
        params.pitch = pitch;
        params.firstCode = first;
        params.lastCode = last;
        params.cellWidth = 16;
        params.cellHeight = 24;
        params.outputPath = m_dir.filePath("font.bmf");
        params.font = DejaVuSans(20);
        return params;
    }

    bool make(const BitmapFontParams& params) { return MakeFont(params, m_progress); }

    QTemporaryDir m_dir;
    ProgressRecorder m_recorder;
    Progress m_progress;
};

std::uint32_t offsetIn(const QByteArray& bytes, int entry)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= std::uint32_t{static_cast<unsigned char>(bytes[32 + entry * 6 + 2 + i])} << (8 * i);
    return value;
}

} // namespace

TEST_F(FontMakerTest, aFixedPitchRangeIsHeaderThenRecordsWithoutIndex)
{
    ASSERT_TRUE(make(standard(FontPitch::Fixed)));
    const QByteArray bytes = FileBytes(m_dir.filePath("font.bmf"));
    ASSERT_EQ(bytes.size(), 32 + 96 * 48);
    EXPECT_EQ(bytes.first(19).toHex(), QByteArray("42000000001800100020007f00000060000000"));
    EXPECT_EQ(bytes.sliced(19, 13), QByteArray(13, '\0'));

    const BitmapFontFile font = ReadBack(m_dir.filePath("font.bmf"));
    ASSERT_EQ(font.glyphs.size(), 96);
    EXPECT_EQ(font.glyphs.first().code.lead, 32);
    EXPECT_EQ(font.glyphs.first().inkCount(), 0);
    EXPECT_GT(font.glyphOf({'M', 0, false})->inkCount(), font.glyphOf({'.', 0, false})->inkCount());
}

TEST_F(FontMakerTest, variablePitchAddsAnIndexAndAWidthBeforeEachRecord)
{
    BitmapFontParams params = standard(FontPitch::Variable);
    params.italicWidth = 4;
    ASSERT_TRUE(make(params));
    const QByteArray bytes = FileBytes(params.outputPath);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ(bytes[3], 1);
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(bytes[17], 4);
    // The first entry: code 32, then 0, then the first record at 32 + 96 x 6.
    EXPECT_EQ(bytes.sliced(32, 2), QByteArray("\x20\0", 2));
    EXPECT_EQ(offsetIn(bytes, 0), 608u);

    // Each entry points at a width that gives the next entry's offset.
    for (int entry = 0; entry < 95; ++entry) {
        const std::uint32_t at = offsetIn(bytes, entry);
        const int width = static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
        ASSERT_EQ(offsetIn(bytes, entry + 1), at + 2 + (width + 7) / 8 * 24) << entry;
    }

    const BitmapFontFile font = ReadBack(params.outputPath);
    ASSERT_EQ(font.glyphs.size(), 96);
    EXPECT_GT(font.glyphOf({'W', 0, false})->width, font.glyphOf({'i', 0, false})->width);
}

TEST_F(FontMakerTest, aVariableGlyphOfNoWidthIsItsWidthAlone)
{
    // Code 1 is a control character: nothing is drawn and it measures 0.
    ASSERT_TRUE(make(standard(FontPitch::Variable, 1, 1)));
    const QByteArray bytes = FileBytes(m_dir.filePath("font.bmf"));
    EXPECT_EQ(bytes.size(), 32 + 6 + 2);
    EXPECT_EQ(bytes.sliced(32).toHex(), QByteArray("0100260000000000"));
}

TEST_F(FontMakerTest, aBadRangeOrModeFailsWithNothingWrittenAndAnOldFileKept)
{
    const QString path = m_dir.filePath("font.bmf");
    EXPECT_FALSE(make(standard(FontPitch::Fixed, 200, 100)));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(make(standard(FontPitch::Fixed, -1, 10)));
    EXPECT_FALSE(make(standard(FontPitch::Fixed, 32, 256)));

    ASSERT_TRUE(make(standard(FontPitch::Fixed, 65, 65)));
    const QByteArray old = FileBytes(path);
    BitmapFontParams asianVariable = standard(FontPitch::Variable);
    asianVariable.doubleByte = true;
    EXPECT_FALSE(make(asianVariable));
    BitmapFontParams tooTall = standard(FontPitch::Fixed);
    tooTall.cellWidth = 2048;
    tooTall.cellHeight = 257;
    EXPECT_FALSE(make(tooTall));
    BitmapFontParams emptyTable = standard(FontPitch::Fixed);
    emptyTable.byTable = true;
    EXPECT_FALSE(make(emptyTable));
    BitmapFontParams unwritable = standard(FontPitch::Fixed);
    unwritable.outputPath = m_dir.filePath("missing/font.bmf");
    EXPECT_FALSE(make(unwritable));
    EXPECT_EQ(FileBytes(path), old);
}

TEST_F(FontMakerTest, aTableGivesItsCodesInOrderWithDuplicatesAndAnIndex)
{
    BitmapFontParams params = standard(FontPitch::Fixed);
    params.byTable = true;
    params.firstCode = 5;
    params.codeTable = FilterCodeTable("ABC\r\nDEF\r\nA");
    params.tableEntries = static_cast<std::uint32_t>(params.codeTable.size());
    ASSERT_TRUE(make(params));
    const QByteArray bytes = FileBytes(params.outputPath);
    EXPECT_EQ(bytes[3], 1);
    // A table names no code range.
    EXPECT_EQ(bytes.sliced(9, 4), QByteArray(4, '\0'));
    EXPECT_EQ(bytes.size(), 32 + 7 * 6 + 7 * 48);
    const BitmapFontFile font = ReadBack(params.outputPath);
    QByteArray codes;
    for (const FontGlyph& glyph : font.glyphs)
        codes.append(static_cast<char>(glyph.code.lead));
    EXPECT_EQ(codes, QByteArray("ABCDEFA"));
    EXPECT_EQ(font.glyphs[0].bits, font.glyphs[6].bits);
    EXPECT_NE(font.glyphs[0].bits, font.glyphs[1].bits);
}

TEST_F(FontMakerTest, anAsianTableReadsPairsAndDropsAnOddLastByte)
{
    BitmapFontParams params = standard(FontPitch::Fixed);
    params.doubleByte = true;
    params.byTable = true;
    params.asianEncoding = AsianEncoding::SimplifiedChinese;
    params.cellWidth = 12;
    params.cellHeight = 24;
    params.font = DejaVuSans(24);
    // A full block, a character the font does not have, and one byte too many.
    params.codeTable = QByteArray("\xA8\x80\xD6\xD0\xA8");
    params.tableEntries = static_cast<std::uint32_t>(params.codeTable.size() / 2);
    ASSERT_TRUE(make(params));
    const QByteArray bytes = FileBytes(params.outputPath);
    EXPECT_EQ(bytes.size(), 32 + 2 * 6 + 2 * 2 * 24);
    EXPECT_EQ(bytes[13], 0);
    EXPECT_EQ(bytes.sliced(32, 2), QByteArray("\xA8\x80"));

    const BitmapFontFile font = ReadBack(params.outputPath);
    ASSERT_EQ(font.glyphs.size(), 2);
    // The block is wider than the cell: every row it reaches is ink from edge to edge, and it reaches most.
    const FontGlyph& block = font.glyphs[0];
    int inkRows = 0;
    for (int y = 0; y < block.height; ++y) {
        const QByteArray row = block.bits.sliced(y * 2, 2);
        ASSERT_TRUE(row == QByteArray("\xFF\xF0") || row == QByteArray(2, '\0')) << y << row.toHex().data();
        inkRows += row[0] != 0 ? 1 : 0;
    }
    EXPECT_GE(inkRows, 20);
    EXPECT_EQ(font.glyphs[1].inkCount(), 0);
}

TEST_F(FontMakerTest, theJapaneseGridHasHalfWidthGlyphsThenEveryDoubleBytePosition)
{
    BitmapFontParams params = standard(FontPitch::Fixed);
    params.doubleByte = true;
    params.asianEncoding = AsianEncoding::Japanese;
    params.cellWidth = 20;
    params.cellHeight = 20;
    params.font = MicroHei(20);
    ASSERT_TRUE(make(params));
    const QByteArray bytes = FileBytes(params.outputPath);
    // Half-width glyphs are 10 wide: 2 bytes a row; full-width 20: 3 bytes.
    EXPECT_EQ(bytes.size(), 32 + 160 * 2 * 20 + 60 * 189 * 3 * 20);
    EXPECT_EQ(bytes[13], 'J');
    EXPECT_EQ(bytes[3], 0);
    const int count = static_cast<unsigned char>(bytes[15]) | (static_cast<unsigned char>(bytes[16]) << 8);
    EXPECT_EQ(count, 160 + 60 * 189);

    const BitmapFontFile font = ReadBack(params.outputPath);
    ASSERT_EQ(font.glyphs.size(), 160 + 60 * 189);
    EXPECT_EQ(font.glyphOf({'A', 0, false})->width, 10);
    EXPECT_GT(font.glyphOf({'A', 0, false})->inkCount(), 0);
    EXPECT_EQ(font.glyphOf({' ', 0, false})->inkCount(), 0);
    EXPECT_GT(font.glyphOf({0xB1, 0, false})->inkCount(), 0);
    const FontGlyph* one = font.glyphOf({0x88, 0xEA, true});
    const FontGlyph* middle = font.glyphOf({0x92, 0x86, true});
    ASSERT_TRUE(one && middle);
    EXPECT_GT(one->inkCount(), 0);
    EXPECT_GT(middle->inkCount(), one->inkCount());
    // Unassigned positions are there, blank.
    EXPECT_EQ(font.glyphOf({0x81, 0x7F, true})->inkCount(), 0);

    // The bar follows the lead bytes to (0xFC - 0x81) x 100 / 123.
    EXPECT_EQ(m_recorder.caption, QStringLiteral("Making font..."));
    EXPECT_EQ(m_recorder.positions.first(), 0);
    EXPECT_EQ(m_recorder.positions.last(), 100);
    EXPECT_TRUE(m_recorder.positions.contains((0xFC - 0x81) * 100 / 123));
    EXPECT_TRUE(std::is_sorted(m_recorder.positions.begin(), m_recorder.positions.end()));
    EXPECT_EQ(m_recorder.hidden, 1);
    EXPECT_GT(m_recorder.eventPasses, 0);
}

TEST(BitmapFontReaderTest, aCutOrForeignFileIsRefused)
{
    QString error;
    EXPECT_FALSE(ReadBitmapFont("Bxx", error));
    EXPECT_FALSE(ReadBitmapFont(QByteArray(32, 'A'), error));
    // A fixed range of 96 glyphs with one byte missing.
    BitmapFontParams params;
    params.firstCode = 32;
    params.lastCode = 127;
    params.cellWidth = 8;
    params.cellHeight = 8;
    params.characterCount = 96;
    QByteArray bytes = BuildFontHeader(params) + QByteArray(96 * 8 - 1, '\0');
    EXPECT_FALSE(ReadBitmapFont(bytes, error));
    bytes.append('\0');
    EXPECT_TRUE(ReadBitmapFont(bytes, error));
    // An index entry pointing past the end.
    params.byTable = true;
    params.characterCount = 1;
    EXPECT_FALSE(ReadBitmapFont(BuildFontHeader(params) + QByteArray("A\0\xFF\0\0\0", 6), error));
    EXPECT_FALSE(error.isEmpty());
}
