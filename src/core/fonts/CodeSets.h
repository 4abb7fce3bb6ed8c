#pragma once

#include "fonts/BitmapFontParams.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <vector>

namespace norvane {

/// An inclusive run of byte values.
struct ByteRun
{
    int first;
    int last;
};

/// One Asian grid: every position gets a glyph, assigned by the encoding or not.
struct AsianGrid
{
    char letter;
    /// The codec whose decoder turns a code's bytes into the character drawn.
    const char* codec;
    std::vector<ByteRun> halfWidth;
    std::vector<ByteRun> leads;
    std::vector<ByteRun> trails;
    /// Progress after a lead byte: (lead - leads.front().first) x 100 / progressSpan.
    int progressSpan;
};

const AsianGrid& AsianGridOf(AsianEncoding encoding);
/// The grid whose header letter is `letter`, or nothing.
const AsianGrid* AsianGridOfLetter(char letter);

/// A code as the file's index stores it: one byte, or lead then trail.
struct GlyphCode
{
    unsigned char lead = 0;
    unsigned char trail = 0;
    bool doubleByte = false;
};

/// The grid's codes in file order: the half-width single bytes, then every lead x trail pair.
QList<GlyphCode> AsianGridCodes(const AsianGrid& grid);
/// How many of the grid's codes are half-width.
qsizetype AsianHalfWidthCount(const AsianGrid& grid);

/// Turns codes into the characters to draw: single bytes through the Western code page of the font's
/// character set, double bytes (and an Asian grid's half-width bytes) through the Asian encoding's decoder.
/// A code that decodes to nothing drawable (unassigned, or a control character) gives an empty text.
class CodeDecoder
{
public:
    /// `asian` nullptr for Western single-byte codes.
    explicit CodeDecoder(const AsianGrid* asian);
    QString text(const GlyphCode& code);

private:
    QStringDecoder m_decoder;
};

/// The code table a text gives: up to the first zero byte, then without the bytes below 32 (line breaks,
/// tabs). A text of more than `kCodeTableLimit` bytes gives an empty table.
QByteArray FilterCodeTable(QByteArrayView text);

/// The code table of a table file, filtered; a file that cannot be read or is too long gives an empty table.
QByteArray CodeTableFromFile(const QString& path);

} // namespace norvane
