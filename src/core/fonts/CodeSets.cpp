#include "fonts/CodeSets.h"

#include <QFile>
#include <array>

namespace norvane {

namespace {

const std::array<AsianGrid, 4>& grids()
{
    static const std::array<AsianGrid, 4> all{{
        {'T', "Big5", {{0x20, 0x7F}}, {{0xA1, 0xFE}}, {{0x40, 0x7E}, {0xA1, 0xFE}}, 93},
        {'G', "GB18030", {{0x20, 0x7F}}, {{0x81, 0xFE}}, {{0x40, 0xFE}}, 125},
        {'K', "EUC-KR", {{0x20, 0x7F}}, {{0xA1, 0xFE}}, {{0xA0, 0xFE}}, 93},
        {'J', "Shift_JIS", {{0x20, 0x7F}, {0xA0, 0xDF}}, {{0x81, 0x9F}, {0xE0, 0xFC}}, {{0x40, 0xFC}}, 123},
    }};
    return all;
}

/// Drawn as nothing: the decoder's replacement for an unassigned code, and control characters, which a
/// printer font has no picture for.
bool drawable(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c == QChar::ReplacementCharacter || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

} // namespace

const AsianGrid& AsianGridOf(AsianEncoding encoding)
{
    return grids()[static_cast<std::size_t>(encoding) % grids().size()];
}

const AsianGrid* AsianGridOfLetter(char letter)
{
    for (const AsianGrid& grid : grids()) {
        if (grid.letter == letter)
            return &grid;
    }
    return nullptr;
}

QList<GlyphCode> AsianGridCodes(const AsianGrid& grid)
{
    QList<GlyphCode> codes;
    for (const ByteRun& run : grid.halfWidth) {
        for (int byte = run.first; byte <= run.last; ++byte)
            codes.append({static_cast<unsigned char>(byte), 0, false});
    }
    for (const ByteRun& leads : grid.leads) {
        for (int lead = leads.first; lead <= leads.last; ++lead) {
            for (const ByteRun& trails : grid.trails) {
                for (int trail = trails.first; trail <= trails.last; ++trail)
                    codes.append({static_cast<unsigned char>(lead), static_cast<unsigned char>(trail), true});
            }
        }
    }
    return codes;
}

qsizetype AsianHalfWidthCount(const AsianGrid& grid)
{
    qsizetype count = 0;
    for (const ByteRun& run : grid.halfWidth)
        count += run.last - run.first + 1;
    return count;
}

CodeDecoder::CodeDecoder(const AsianGrid* asian)
    : m_decoder(asian ? asian->codec : "windows-1252", QStringConverter::Flag::Stateless)
{
}

QString CodeDecoder::text(const GlyphCode& code)
{
    const char bytes[2] = {static_cast<char>(code.lead), static_cast<char>(code.trail)};
    QString text = m_decoder.decode(QByteArrayView(bytes, code.doubleByte ? 2 : 1));
    // A decoder keeps a failed sequence's state; a fresh start keeps one bad code from spoiling the next.
    m_decoder.resetState();
    return drawable(text) ? text : QString();
}

QByteArray FilterCodeTable(QByteArrayView text)
{
    if (text.size() > kCodeTableLimit)
        return {};
    const qsizetype zero = text.indexOf('\0');
    if (zero >= 0)
        text = text.first(zero);
    QByteArray table;
    table.reserve(text.size());
    for (const char byte : text) {
        if (static_cast<unsigned char>(byte) >= 32)
            table.append(byte);
    }
    return table;
}

QByteArray CodeTableFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kCodeTableLimit)
        return {};
    return FilterCodeTable(file.read(kCodeTableLimit + 1));
}

} // namespace norvane
