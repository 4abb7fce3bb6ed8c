#pragma once

#include "fonts/CodeSets.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <optional>

namespace norvane {

/// A glyph as a bitmap font file holds it.
struct FontGlyph
{
    GlyphCode code;
    int width = 0;
    int height = 0;
    QByteArray bits;

    bool inkAt(int x, int y) const;
    /// How many pixels are ink.
    int inkCount() const;
};

/// A bitmap font file read back: its header fields and every glyph with its code.
struct BitmapFontFile
{
    bool variablePitch = false;
    bool doubleByte = false;
    bool hasIndex = false;
    bool italic = false;
    int cellHeight = 0;
    int cellWidth = 0;
    int firstCode = 0;
    int lastCode = 0;
    char asianLetter = 0;
    int characterCount = 0;
    int italicWidth = 0;
    QList<FontGlyph> glyphs;

    /// The glyph of a code, or nullptr.
    const FontGlyph* glyphOf(const GlyphCode& code) const;
};

/// Reads a bitmap font file; on a file that is not one (too short, a record or index entry outside it, an
/// Asian grid without a known letter) nothing, with the reason in `error`.
std::optional<BitmapFontFile> ReadBitmapFont(QByteArrayView bytes, QString& error);

/// The code as a label: two hex digits, or four for a double-byte code.
QString GlyphCodeLabel(const GlyphCode& code);

} // namespace norvane
