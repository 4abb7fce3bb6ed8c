#include "fonts/GlyphRenderer.h"

#include "fonts/CodeSets.h"

#include <QImage>
#include <algorithm>

namespace norvane {

QFont RenderingFont(const QFont& font)
{
    QFont rendering = font;
    rendering.setHintingPreference(QFont::PreferNoHinting);
    return rendering;
}

GlyphRenderer::GlyphRenderer(const QFont& font) : m_font(QRawFont::fromFont(RenderingFont(font)))
{
    m_face = FaceRasterizer::open(RenderingFont(font), m_font);
    m_ascent = qRound(m_font.ascent());
    m_lineHeight = m_ascent + qRound(m_font.descent());
}

QList<quint32> GlyphRenderer::glyphsOf(const QString& text) const
{
    QList<quint32> glyphs = m_font.glyphIndexesForString(text);
    // A character the font lacks would print as its box of a missing glyph: it stays blank instead, and
    // no other font fills in, so the printer font holds only what the chosen font draws.
    if (glyphs.contains(0u))
        glyphs.clear();
    return glyphs;
}

QList<qreal> GlyphRenderer::advancesOf(const QList<quint32>& glyphs) const
{
    QList<qreal> advances;
    advances.reserve(glyphs.size());
    if (m_face) {
        for (const quint32 glyph : glyphs)
            advances.append(m_face->advance(glyph));
    } else {
        for (const QPointF& advance : m_font.advancesForGlyphIndexes(glyphs))
            advances.append(advance.x());
    }
    return advances;
}

namespace {

int widthOf(const QList<qreal>& advances)
{
    qreal width = 0;
    for (const qreal advance : advances)
        width += advance;
    return qRound(width);
}

/// Marks as ink every pixel of `grey` that is not blank, placed at (left, top) in the glyph's rows.
void addInk(const GreyGlyph& grey, int left, int top, GlyphBitmap& glyph)
{
    const int rowBytes = (glyph.width + 7) / 8;
    auto* bits = reinterpret_cast<unsigned char*>(glyph.bits.data());
    for (int y = std::max(0, -top); y < grey.height && top + y < glyph.height; ++y) {
        const uchar* line = grey.pixels + qsizetype{grey.stride} * y;
        unsigned char* row = bits + qsizetype{top + y} * rowBytes;
        for (int x = std::max(0, -left); x < grey.width && left + x < glyph.width; ++x) {
            if (line[x] != 0)
                row[(left + x) / 8] |= static_cast<unsigned char>(0x80 >> ((left + x) % 8));
        }
    }
}

} // namespace

GreyGlyph GlyphRenderer::drawnByQt(quint32 glyph, QImage& drawing) const
{
    drawing = m_font.alphaMapForGlyph(glyph, QRawFont::PixelAntialiasing);
    if (drawing.format() != QImage::Format_Alpha8)
        drawing = drawing.convertToFormat(QImage::Format_Alpha8);
    const QRectF box = m_font.boundingRect(glyph);
    return {drawing.constBits(), static_cast<int>(drawing.bytesPerLine()),
            drawing.width(),     drawing.height(),
            qRound(box.x()),     qRound(box.y())};
}

QSize GlyphRenderer::measure(const QString& text) const
{
    return {widthOf(advancesOf(glyphsOf(text))), m_lineHeight};
}

GlyphBitmap GlyphRenderer::render(const QString& text, FontPitch pitch, int cellWidth, int cellHeight) const
{
    const QList<quint32> glyphs = glyphsOf(text);
    const QList<qreal> advances = advancesOf(glyphs);
    const QSize textSize(widthOf(advances), m_lineHeight);

    GlyphBitmap glyph;
    glyph.height = std::clamp(cellHeight, 0, kRasterSize);
    if (pitch == FontPitch::Fixed) {
        glyph.width = cellWidth;
    } else {
        const int widestFitting = glyph.height == 0 ? kRasterSize : kGlyphBufferSize / glyph.height * 8;
        glyph.width = std::min({textSize.width(), kRasterSize, widestFitting});
    }
    glyph.width = std::clamp(glyph.width, 0, kRasterSize);
    glyph.bits = QByteArray(qsizetype{(glyph.width + 7) / 8} * glyph.height, '\0');

    const int x0 = pitch == FontPitch::Fixed && textSize.width() < cellWidth ? (cellWidth - textSize.width()) / 2 : 0;
    const int y0 = textSize.height() < cellHeight ? (cellHeight - textSize.height()) / 2 : 0;
    const int baseline = y0 + m_ascent;
    qreal penX = x0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        QImage qtDrawing;
        const GreyGlyph grey = m_face ? m_face->draw(glyphs[i]) : drawnByQt(glyphs[i], qtDrawing);
        addInk(grey, qRound(penX) + grey.left, baseline + grey.top, glyph);
        penX += advances[i];
    }
    return glyph;
}

QSize DefaultCellSize(const QFont& font, bool asian, AsianEncoding encoding)
{
    const GlyphRenderer renderer(font);
    if (!asian)
        return renderer.measure(QStringLiteral("W"));
    CodeDecoder decoder(&AsianGridOf(encoding));
    return renderer.measure(decoder.text({0xE0, 0xA2, true}));
}

} // namespace norvane
