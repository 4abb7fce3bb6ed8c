#include "fonts/GlyphRenderer.h"
#include "TestFonts.h"

#include <QRect>

using namespace norvane;
using namespace norvane::test;

namespace {

const QString kFullBlock = QStringLiteral("\u2588");

FontGlyph asFileGlyph(const GlyphBitmap& bitmap)
{
    return {{}, bitmap.width, bitmap.height, bitmap.bits};
}

/// The smallest rectangle holding every ink pixel.
QRect inkBounds(const GlyphBitmap& bitmap)
{
    const FontGlyph glyph = asFileGlyph(bitmap);
    QRect bounds;
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            if (glyph.inkAt(x, y))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

TEST(GlyphRendererTest, rowsArePackedLeftmostPixelFirstWithTheRestOfTheLastByteClear)
{
    const GlyphRenderer renderer(DejaVuSans(24));
    // A full block is wider than 10 pixels and as tall as the line: every pixel of the 10-pixel cell is ink.
    const QSize line = renderer.measure(kFullBlock);
    ASSERT_GT(line.width(), 10);
    const GlyphBitmap block = renderer.render(kFullBlock, FontPitch::Fixed, 10, 4);
    EXPECT_EQ(block.width, 10);
    EXPECT_EQ(block.height, 4);
    EXPECT_EQ(block.bits.toHex(), QByteArray("ffc0ffc0ffc0ffc0"));

    // A blank is no ink at all, in a cell of any width.
    const GlyphBitmap space = renderer.render(QStringLiteral(" "), FontPitch::Fixed, 17, 24);
    EXPECT_EQ(space.bits, QByteArray(3 * 24, '\0'));
}

TEST(GlyphRendererTest, aSmallCharacterIsCentredInItsCellBothWays)
{
    const GlyphRenderer renderer(DejaVuSans(24));
    const QString dot = QStringLiteral(".");
    const QSize text = renderer.measure(dot);
    const QRect tight = inkBounds(renderer.render(dot, FontPitch::Fixed, text.width(), text.height()));
    ASSERT_FALSE(tight.isEmpty());

    // 21 more columns and 31 more rows: the ink moves by half of each, rounded toward zero.
    const QRect centred = inkBounds(renderer.render(dot, FontPitch::Fixed, text.width() + 21, text.height() + 31));
    EXPECT_EQ(centred, tight.translated(10, 15));

    // Variable pitch takes the text's own width and centres only vertically.
    const GlyphBitmap variable = renderer.render(dot, FontPitch::Variable, text.width() + 21, text.height() + 31);
    EXPECT_EQ(variable.width, text.width());
    EXPECT_EQ(inkBounds(variable), tight.translated(0, 15));
}

TEST(GlyphRendererTest, aCharacterLargerThanItsCellIsDrawnFromTheTopLeftAndCut)
{
    const GlyphRenderer renderer(DejaVuSans(40));
    const QString letter = QStringLiteral("W");
    const QSize text = renderer.measure(letter);
    const FontGlyph whole = asFileGlyph(renderer.render(letter, FontPitch::Fixed, text.width(), text.height()));
    const int width = text.width() / 2;
    const int height = text.height() * 2 / 3;
    const FontGlyph cut = asFileGlyph(renderer.render(letter, FontPitch::Fixed, width, height));
    ASSERT_EQ(cut.width, width);
    ASSERT_EQ(cut.height, height);
    int ink = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(cut.inkAt(x, y), whole.inkAt(x, y)) << x << "," << y;
            ink += cut.inkAt(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 0);
}

TEST(GlyphRendererTest, theDefaultCellIsTheMeasureOfWOrOfTheAsianSampleCharacter)
{
    const QFont font = DejaVuSans(13);
    EXPECT_EQ(DefaultCellSize(font, false, AsianEncoding::Japanese), GlyphRenderer(font).measure("W"));

    // E0 A2 is a full-width character in every grid: a square cell at the font's line height.
    const QFont cjk = MicroHei(24);
    for (const AsianEncoding encoding : {AsianEncoding::TraditionalChinese, AsianEncoding::SimplifiedChinese,
                                         AsianEncoding::Korean, AsianEncoding::Japanese}) {
        const QSize cell = DefaultCellSize(cjk, true, encoding);
        EXPECT_EQ(cell.width(), 24) << int(encoding);
        EXPECT_EQ(cell.height(), GlyphRenderer(cjk).measure("W").height());
    }
}
