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

QSize GlyphRenderer::measure(const QString& text) const
{
    qreal width = 0;
    for (const QPointF& advance : m_font.advancesForGlyphIndexes(glyphsOf(text)))
        width += advance.x();
    return {qRound(width), m_lineHeight};
}

GlyphBitmap GlyphRenderer::render(const QString& text, FontPitch pitch, int cellWidth, int cellHeight) const
{
    const QList<quint32> glyphs = glyphsOf(text);
    const QList<QPointF> advances = m_font.advancesForGlyphIndexes(glyphs);
    const QSize textSize = measure(text);

    GlyphBitmap glyph;
    glyph.height = std::clamp(cellHeight, 0, kRasterSize);
    if (pitch == FontPitch::Fixed) {
        glyph.width = cellWidth;
    } else {
        const int widestFitting = glyph.height == 0 ? kRasterSize : kGlyphBufferSize / glyph.height * 8;
        glyph.width = std::min({textSize.width(), kRasterSize, widestFitting});
    }
    glyph.width = std::clamp(glyph.width, 0, kRasterSize);
    const int rowBytes = (glyph.width + 7) / 8;
    glyph.bits = QByteArray(qsizetype{rowBytes} * glyph.height, '\0');

    const int x0 = pitch == FontPitch::Fixed && textSize.width() < cellWidth ? (cellWidth - textSize.width()) / 2 : 0;
    const int y0 = textSize.height() < cellHeight ? (cellHeight - textSize.height()) / 2 : 0;
    auto* bits = reinterpret_cast<unsigned char*>(glyph.bits.data());
    qreal penX = x0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        QImage alpha = m_font.alphaMapForGlyph(glyphs[i], QRawFont::PixelAntialiasing);
        if (alpha.format() != QImage::Format_Alpha8)
            alpha = alpha.convertToFormat(QImage::Format_Alpha8);
        const QRectF box = m_font.boundingRect(glyphs[i]);
        const int left = qRound(penX + box.x());
        const int top = y0 + m_ascent + qRound(box.y());
        for (int y = std::max(0, -top); y < alpha.height() && top + y < glyph.height; ++y) {
            const uchar* line = alpha.constScanLine(y);
            unsigned char* row = bits + qsizetype{top + y} * rowBytes;
            for (int x = std::max(0, -left); x < alpha.width() && left + x < glyph.width; ++x) {
                if (line[x] != 0)
                    row[(left + x) / 8] |= static_cast<unsigned char>(0x80 >> ((left + x) % 8));
            }
        }
        penX += advances.value(i).x();
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
