#include "fonts/FontHeader.h"

#include "fonts/CodeSets.h"

namespace norvane {

namespace {

void put16(QByteArray& bytes, int offset, std::int32_t value)
{
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>((value >> 8) & 0xFF);
}

} // namespace

bool CellFitsLimits(std::int32_t cellWidth, std::int32_t cellHeight)
{
    if (cellWidth < 0 || cellHeight < 0 || cellWidth > kRasterSize || cellHeight > kRasterSize)
        return false;
    return (cellWidth + 7) / 8 * cellHeight <= kGlyphBufferSize;
}

bool FontHasIndex(const BitmapFontParams& params)
{
    return params.byTable || (!params.doubleByte && params.pitch == FontPitch::Variable);
}

QByteArray BuildFontHeader(const BitmapFontParams& params)
{
    QByteArray header(kFontHeaderSize, '\0');
    header[0] = 'B';
    header[1] = params.pitch == FontPitch::Variable ? 1 : 0;
    header[2] = params.doubleByte ? 1 : 0;
    header[3] = FontHasIndex(params) ? 1 : 0;
    header[4] = params.italicWidth != 0 ? 1 : 0;
    put16(header, 5, params.cellHeight);
    put16(header, 7, params.cellWidth);
    const bool codeRange = !params.byTable && !params.doubleByte;
    put16(header, 9, codeRange ? params.firstCode : 0);
    put16(header, 11, codeRange ? params.lastCode : 0);
    if (params.doubleByte && !params.byTable)
        header[13] = AsianGridOf(params.asianEncoding).letter;
    put16(header, 15, params.characterCount);
    put16(header, 17, params.italicWidth);
    return header;
}

} // namespace norvane
