#include "fonts/FaceRasterizer.h"
#include "TestFonts.h"
#include "fonts/GlyphRenderer.h"

#include <QImage>
#include <QPoint>
#include <QRawFont>
#include <QSet>
#include <bit>

using namespace norvane;
using namespace norvane::test;

namespace {

constexpr char kDejaVuSansBoldFile[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

/// Which pixels of a glyph hold ink, in coordinates from the pen on the baseline.
QSet<QPoint> inkOf(const GreyGlyph& grey)
{
    QSet<QPoint> ink;
    for (int y = 0; y < grey.height; ++y) {
        for (int x = 0; x < grey.width; ++x) {
            if (grey.pixels[qsizetype{grey.stride} * y + x] != 0)
                ink.insert(QPoint(grey.left + x, grey.top + y));
        }
    }
    return ink;
}

QSet<QPoint> qtInkOf(const QRawFont& font, quint32 glyph)
{
    const QImage alpha =
        font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing).convertToFormat(QImage::Format_Alpha8);
    const QRectF box = font.boundingRect(glyph);
    return inkOf({alpha.constBits(), static_cast<int>(alpha.bytesPerLine()), alpha.width(), alpha.height(),
                  qRound(box.x()), qRound(box.y())});
}

/// Every `step`th glyph of the font drawn and measured by both, compared pixel by pixel.
void expectDrawnAsQtDraws(const QFont& font, int step)
{
    const QFont rendering = RenderingFont(font);
    const QRawFont qt = QRawFont::fromFont(rendering);
    const std::unique_ptr<FaceRasterizer> face = FaceRasterizer::open(rendering, qt);
    ASSERT_TRUE(face) << font.family().toStdString();
    // The glyph count, from the face's maximum profile.
    const QByteArray maxp = qt.fontTable("maxp");
    ASSERT_GE(maxp.size(), 6);
    const int glyphs = (static_cast<uchar>(maxp[4]) << 8) | static_cast<uchar>(maxp[5]);
    ASSERT_GT(glyphs, 100);
    int differing = 0;
    for (quint32 glyph = 1; glyph < static_cast<quint32>(glyphs); glyph += static_cast<quint32>(step)) {
        const bool sameInk = inkOf(face->draw(glyph)) == qtInkOf(qt, glyph);
        const bool sameAdvance = face->advance(glyph) == qt.advancesForGlyphIndexes(QList<quint32>{glyph}).value(0).x();
        if (!sameInk || !sameAdvance)
            ADD_FAILURE() << "glyph " << glyph << (sameInk ? "" : " ink") << (sameAdvance ? "" : " advance")
                          << (++differing > 5 ? " (and more)" : "");
        if (differing > 5)
            return;
    }
}

} // namespace

TEST(FaceRasterizerTest, drawsAndMeasuresEveryGlyphAsQtDoes)
{
    expectDrawnAsQtDraws(DejaVuSans(13), 3);
    QFont bold = FontFromFile(kDejaVuSansBoldFile, 24);
    bold.setBold(true);
    expectDrawnAsQtDraws(bold, 3);
    expectDrawnAsQtDraws(MicroHei(24), 29);
}

TEST(FaceRasterizerTest, leavesToQtTheBoldAndSlantQtWouldFake)
{
    QFont bold = MicroHei(24);
    bold.setBold(true);
    EXPECT_FALSE(FaceRasterizer::open(RenderingFont(bold), QRawFont::fromFont(RenderingFont(bold))));
    QFont italic = MicroHei(24);
    italic.setItalic(true);
    EXPECT_FALSE(FaceRasterizer::open(RenderingFont(italic), QRawFont::fromFont(RenderingFont(italic))));

    // Qt's own faking still reaches the printer font: the bold glyph holds more ink than the regular one.
    const QString character = QStringLiteral("\u4E2D");
    auto inkCount = [&](const QFont& font) {
        const GlyphBitmap glyph = GlyphRenderer(font).render(character, FontPitch::Fixed, 24, 24);
        int count = 0;
        for (const char byte : glyph.bits)
            count += std::popcount(static_cast<uchar>(byte));
        return count;
    };
    EXPECT_GT(inkCount(bold), inkCount(MicroHei(24)));
}
