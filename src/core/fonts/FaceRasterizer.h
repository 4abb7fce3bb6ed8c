#pragma once

#include <QtGlobal>
#include <memory>

class QFont;
class QRawFont;

namespace norvane {

/// A glyph's grey levels, valid until the next glyph is drawn: `left` and `top` place its first pixel
/// relative to the pen on the baseline (y grows downward).
struct GreyGlyph
{
    const uchar* pixels = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
};

/// Draws glyphs straight from the font file Qt chose for a font. Qt keeps every glyph it draws in a cache
/// and measures it in a second pass, which for a grid of thousands of glyphs, each drawn once, costs more
/// than the drawing itself. Only for faces FreeType draws exactly as Qt does: scalable, without embedded
/// bitmaps or variations, and with no bold or slant Qt would have to fake.
class FaceRasterizer
{
public:
    /// Null when the face is not one of those or its file cannot be found.
    static std::unique_ptr<FaceRasterizer> open(const QFont& font, const QRawFont& qtFont);
    ~FaceRasterizer();
    FaceRasterizer(const FaceRasterizer&) = delete;
    FaceRasterizer& operator=(const FaceRasterizer&) = delete;

    /// An empty glyph when FreeType cannot draw it.
    GreyGlyph draw(quint32 glyph);
    /// The glyph's advance in pixels, as Qt measures it without hinting.
    qreal advance(quint32 glyph) const;

private:
    struct Face;
    explicit FaceRasterizer(std::unique_ptr<Face> face);

    std::unique_ptr<Face> m_face;
};

} // namespace norvane
