#pragma once

#include "fonts/BitmapFontParams.h"

#include <QByteArray>

namespace norvane {

inline constexpr int kFontHeaderSize = 32;
inline constexpr int kIndexEntrySize = 6;

/// The 32-byte header of a bitmap font file. Byte 13 carries the grid's letter for the Asian grid and 0 in
/// every other mode; the count field is the params' character count, whichever mode.
QByteArray BuildFontHeader(const BitmapFontParams& params);

/// Whether glyph records are found through an index: a table, or variable pitch, which needs each offset.
bool FontHasIndex(const BitmapFontParams& params);

} // namespace norvane
