#include "fonts/FaceRasterizer.h"

#include <QFont>
#include <QRawFont>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H

namespace norvane {

namespace {

constexpr FT_Int32 kLoadFlags = FT_LOAD_NO_HINTING;

/// The tables that tell one face from another: its header (checksum and dates), metrics, style and names.
constexpr struct
{
    FT_ULong tag;
    char name[5];
} kIdentifyingTables[] = {{TTAG_head, "head"}, {TTAG_hhea, "hhea"}, {TTAG_OS2, "OS/2"}, {TTAG_name, "name"}};

QByteArray sfntTable(FT_Face face, FT_ULong tag)
{
    FT_ULong length = 0;
    if (FT_Load_Sfnt_Table(face, tag, 0, nullptr, &length) != 0 || length == 0)
        return {};
    QByteArray table(static_cast<qsizetype>(length), '\0');
    if (FT_Load_Sfnt_Table(face, tag, 0, reinterpret_cast<FT_Byte*>(table.data()), &length) != 0)
        return {};
    return table;
}

bool isQtsFace(FT_Face face, const QRawFont& qtFont)
{
    for (const auto& table : kIdentifyingTables) {
        const QByteArray ours = sfntTable(face, table.tag);
        if (ours.isEmpty() || ours != qtFont.fontTable(table.name))
            return false;
    }
    return true;
}

/// Whether Qt draws the face as it is: no faked bold or slant, no stretch, no bitmaps or variations.
bool drawnAsItIs(FT_Face face, const QFont& font)
{
    if (!FT_IS_SCALABLE(face) || FT_HAS_FIXED_SIZES(face) || FT_HAS_MULTIPLE_MASTERS(face))
        return false;
    if (font.weight() >= QFont::Bold && (face->style_flags & FT_STYLE_FLAG_BOLD) == 0)
        return false;
    if (font.style() != QFont::StyleNormal && (face->style_flags & FT_STYLE_FLAG_ITALIC) == 0)
        return false;
    return font.stretch() == QFont::AnyStretch || font.stretch() == QFont::Unstretched;
}

struct FontList
{
    FcFontSet* fonts = nullptr;
    ~FontList()
    {
        if (fonts != nullptr)
            FcFontSetDestroy(fonts);
    }
};

} // namespace

struct FaceRasterizer::Face
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~Face()
    {
        if (face != nullptr)
            FT_Done_Face(face);
        if (library != nullptr)
            FT_Done_FreeType(library);
    }

    /// Opens the family's face file whose tables are those of Qt's face.
    bool openQtsFace(const QRawFont& qtFont)
    {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(qtFont.familyName().toUtf8().constData()));
        FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
        const FontList list{FcFontList(nullptr, pattern, objects)};
        FcObjectSetDestroy(objects);
        FcPatternDestroy(pattern);
        for (int i = 0; list.fonts != nullptr && i < list.fonts->nfont; ++i) {
            FcChar8* file = nullptr;
            int index = 0;
            if (FcPatternGetString(list.fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch)
                continue;
            FcPatternGetInteger(list.fonts->fonts[i], FC_INDEX, 0, &index);
            FT_Face candidate = nullptr;
            if (FT_New_Face(library, reinterpret_cast<const char*>(file), index, &candidate) != 0)
                continue;
            if (isQtsFace(candidate, qtFont)) {
                face = candidate;
                return true;
            }
            FT_Done_Face(candidate);
        }
        return false;
    }
};

std::unique_ptr<FaceRasterizer> FaceRasterizer::open(const QFont& font, const QRawFont& qtFont)
{
    if (!qtFont.isValid())
        return nullptr;
    auto face = std::make_unique<Face>();
    if (FT_Init_FreeType(&face->library) != 0 || !face->openQtsFace(qtFont) || !drawnAsItIs(face->face, font))
        return nullptr;
    const auto size = static_cast<FT_F26Dot6>(qtFont.pixelSize() * 64);
    if (FT_Set_Char_Size(face->face, 0, size, 72, 72) != 0)
        return nullptr;
    return std::unique_ptr<FaceRasterizer>(new FaceRasterizer(std::move(face)));
}

FaceRasterizer::FaceRasterizer(std::unique_ptr<Face> face) : m_face(std::move(face))
{
}

FaceRasterizer::~FaceRasterizer() = default;

GreyGlyph FaceRasterizer::draw(quint32 glyph)
{
    FT_Face face = m_face->face;
    if (FT_Load_Glyph(face, glyph, kLoadFlags) != 0 || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
        return {};
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.buffer == nullptr)
        return {};
    // A negative pitch stores the rows bottom up.
    const uchar* top = bitmap.pitch >= 0 ? bitmap.buffer : bitmap.buffer + qsizetype{-bitmap.pitch} * (bitmap.rows - 1);
    return {top,
            bitmap.pitch,
            static_cast<int>(bitmap.width),
            static_cast<int>(bitmap.rows),
            face->glyph->bitmap_left,
            -face->glyph->bitmap_top};
}

qreal FaceRasterizer::advance(quint32 glyph) const
{
    FT_Fixed advance = 0;
    if (FT_Get_Advance(m_face->face, glyph, kLoadFlags, &advance) != 0)
        return 0;
    // 16.16 pixels cut to 26.6, as Qt keeps it.
    return static_cast<qreal>(advance >> 10) / 64.0;
}

} // namespace norvane
