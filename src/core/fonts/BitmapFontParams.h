#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>
#include <cstdint>

namespace norvane {

enum class FontPitch : std::uint8_t
{
    Fixed = 0,
    Variable = 1,
};

/// The Asian grids, numbered as the page's radio group offers them.
enum class AsianEncoding : std::uint8_t
{
    TraditionalChinese = 0,
    SimplifiedChinese = 1,
    Korean = 2,
    Japanese = 3,
};

/// The font maker's drawing surface: a cell must fit on it.
inline constexpr int kRasterSize = 2048;
/// The largest glyph bitmap the maker handles: ceil(width / 8) x height bytes.
inline constexpr int kGlyphBufferSize = 65536;
/// The most table bytes a font is made from.
inline constexpr qsizetype kCodeTableLimit = 65535;

inline constexpr char kFontParameterErrorMessage[] = "Font Parameter Error";
inline constexpr char kMakeFontErrorMessage[] = "Make Font Error";
inline constexpr char kMakingFontCaption[] = "Making font...";

/// What a bitmap font is made of: filled by the font page or the cli, read by the maker.
struct BitmapFontParams
{
    bool doubleByte = false;
    FontPitch pitch = FontPitch::Fixed;
    /// Decides how double-byte codes are read; only the Asian grid names it in the file.
    AsianEncoding asianEncoding = AsianEncoding::TraditionalChinese;
    std::int32_t firstCode = 0;
    std::int32_t lastCode = 0;
    std::int32_t cellWidth = 0;
    std::int32_t cellHeight = 0;
    /// Only recorded in the header; the font itself carries the slant.
    std::int32_t italicWidth = 0;
    /// Set by the maker: the glyphs the file holds.
    std::int32_t characterCount = 0;
    bool byTable = false;
    /// One byte per code, or two (lead byte first) for double-byte codes.
    QByteArray codeTable;
    std::uint32_t tableEntries = 0;
    QString outputPath;
    /// The font the glyphs are drawn in, its size in pixels.
    QFont font;
};

/// Whether a cell fits the raster and its glyph bitmap the glyph buffer. Anything larger is refused as a
/// parameter error before a file is made.
bool CellFitsLimits(std::int32_t cellWidth, std::int32_t cellHeight);

} // namespace norvane
