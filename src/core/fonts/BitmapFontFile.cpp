#include "fonts/BitmapFontFile.h"

#include "fonts/FontHeader.h"

namespace norvane {

namespace {

int get16(QByteArrayView bytes, qsizetype offset)
{
    return static_cast<unsigned char>(bytes[offset]) | (static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

quint32 get32(QByteArrayView bytes, qsizetype offset)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value |= quint32{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
    return value;
}

/// A glyph with its record at `offset`; false when the record runs past the end.
bool readRecord(QByteArrayView bytes, qsizetype offset, const BitmapFontFile& font, int fixedWidth, FontGlyph& glyph)
{
    glyph.height = font.cellHeight;
    glyph.width = fixedWidth;
    if (font.variablePitch) {
        if (offset + 2 > bytes.size())
            return false;
        glyph.width = get16(bytes, offset);
        offset += 2;
    }
    const qsizetype size = qsizetype{(glyph.width + 7) / 8} * glyph.height;
    if (offset < 0 || offset + size > bytes.size())
        return false;
    glyph.bits = bytes.sliced(offset, size).toByteArray();
    return true;
}

qsizetype recordSize(const FontGlyph& glyph, bool variablePitch)
{
    return (variablePitch ? 2 : 0) + glyph.bits.size();
}

bool readIndexed(QByteArrayView bytes, BitmapFontFile& font, QString& error)
{
    const qsizetype count = font.characterCount;
    if (kFontHeaderSize + count * kIndexEntrySize > bytes.size()) {
        error = QStringLiteral("the index runs past the end of the file");
        return false;
    }
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype entry = kFontHeaderSize + i * kIndexEntrySize;
        FontGlyph glyph;
        glyph.code = {static_cast<unsigned char>(bytes[entry]), static_cast<unsigned char>(bytes[entry + 1]),
                      font.doubleByte};
        if (!readRecord(bytes, get32(bytes, entry + 2), font, font.cellWidth, glyph)) {
            error = QStringLiteral("glyph %1 runs past the end of the file").arg(i);
            return false;
        }
        font.glyphs.append(glyph);
    }
    return true;
}

bool readSequential(QByteArrayView bytes, const QList<GlyphCode>& codes, qsizetype halfWidthCount, BitmapFontFile& font,
                    QString& error)
{
    qsizetype offset = kFontHeaderSize;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        FontGlyph glyph;
        glyph.code = codes[i];
        if (!readRecord(bytes, offset, font, i < halfWidthCount ? font.cellWidth / 2 : font.cellWidth, glyph)) {
            error = QStringLiteral("glyph %1 runs past the end of the file").arg(i);
            return false;
        }
        offset += recordSize(glyph, font.variablePitch);
        font.glyphs.append(glyph);
    }
    return true;
}

} // namespace

bool FontGlyph::inkAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return false;
    const auto byte = static_cast<unsigned char>(bits[qsizetype{y} * ((width + 7) / 8) + x / 8]);
    return (byte & (0x80 >> (x % 8))) != 0;
}

int FontGlyph::inkCount() const
{
    int count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            count += inkAt(x, y) ? 1 : 0;
    }
    return count;
}

const FontGlyph* BitmapFontFile::glyphOf(const GlyphCode& code) const
{
    for (const FontGlyph& glyph : glyphs) {
        if (glyph.code.lead == code.lead && glyph.code.doubleByte == code.doubleByte &&
            (!code.doubleByte || glyph.code.trail == code.trail))
            return &glyph;
    }
    return nullptr;
}

std::optional<BitmapFontFile> ReadBitmapFont(QByteArrayView bytes, QString& error)
{
    if (bytes.size() < kFontHeaderSize || bytes[0] != 'B') {
        error = QStringLiteral("not a bitmap font file");
        return std::nullopt;
    }
    BitmapFontFile font;
    font.variablePitch = bytes[1] != 0;
    font.doubleByte = bytes[2] != 0;
    font.hasIndex = bytes[3] != 0;
    font.italic = bytes[4] != 0;
    font.cellHeight = get16(bytes, 5);
    font.cellWidth = get16(bytes, 7);
    font.firstCode = get16(bytes, 9);
    font.lastCode = get16(bytes, 11);
    font.asianLetter = bytes[13];
    font.characterCount = get16(bytes, 15);
    font.italicWidth = get16(bytes, 17);

    bool read = false;
    if (font.hasIndex) {
        read = readIndexed(bytes, font, error);
    } else if (!font.doubleByte) {
        QList<GlyphCode> codes;
        for (int code = font.firstCode; code <= font.lastCode && code <= 255; ++code)
            codes.append({static_cast<unsigned char>(code), 0, false});
        read = readSequential(bytes, codes, 0, font, error);
    } else if (const AsianGrid* grid = AsianGridOfLetter(font.asianLetter)) {
        read = readSequential(bytes, AsianGridCodes(*grid), AsianHalfWidthCount(*grid), font, error);
    } else {
        error = QStringLiteral("an Asian font without a known encoding letter");
    }
    if (!read)
        return std::nullopt;
    return font;
}

QString GlyphCodeLabel(const GlyphCode& code)
{
    const int value = code.doubleByte ? (code.lead << 8) | code.trail : code.lead;
    return QStringLiteral("%1").arg(value, code.doubleByte ? 4 : 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace norvane
