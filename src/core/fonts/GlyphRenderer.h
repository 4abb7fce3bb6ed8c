#pragma once

#include "fonts/BitmapFontParams.h"
#include "fonts/FaceRasterizer.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QRawFont>
#include <QSize>
#include <QString>
#include <memory>

namespace norvane {

/// One glyph's bitmap: rows top to bottom, ceil(width / 8) bytes each, leftmost pixel in the top bit.
struct GlyphBitmap
{
    QByteArray bits;
    int width = 0;
    int height = 0;
};

/// Draws characters black on white in one font at its pixel size and reads the ink back as bits. Every
/// pixel that is not pure white counts as ink, so the smoothed edges of a glyph print too.
/// One renderer per thread: it owns its font engine. It draws through FreeType directly where that draws
/// exactly as Qt would, else through Qt.
class GlyphRenderer
{
public:
    explicit GlyphRenderer(const QFont& font);

    /// The text's advance width and the font's line height (ascent plus descent), in pixels. A character the
    /// font does not have measures, and draws, as nothing.
    QSize measure(const QString& text) const;

    /// The text in a cell: a fixed-pitch glyph is the cell's width and the text centred in it, a
    /// variable-pitch glyph the text's width; both the cell's height, the text centred when shorter. What
    /// falls outside the glyph is cut off. A variable width is cut to what the raster and glyph buffer hold.
    GlyphBitmap render(const QString& text, FontPitch pitch, int cellWidth, int cellHeight) const;

private:
    QList<quint32> glyphsOf(const QString& text) const;
    QList<qreal> advancesOf(const QList<quint32>& glyphs) const;
    /// Qt's drawing of the glyph, kept in `drawing` while its ink is read.
    GreyGlyph drawnByQt(quint32 glyph, QImage& drawing) const;

    QRawFont m_font;
    std::unique_ptr<FaceRasterizer> m_face;
    int m_ascent = 0;
    int m_lineHeight = 0;
};

/// The font as the maker draws it: hinting off, which draws a CJK grid several times faster and changes
/// nothing at a printer's resolution once every grey pixel counts as ink.
QFont RenderingFont(const QFont& font);

/// The cell a font gets by default: the measure of "W", or for the Asian encodings of the character coded
/// E0 A2 in the chosen grid.
QSize DefaultCellSize(const QFont& font, bool asian, AsianEncoding encoding);

} // namespace norvane
