#pragma once

#include "fonts/BitmapFontParams.h"

namespace norvane {

class Progress;

/// Makes the bitmap font file the params describe, drawing glyphs on the machine's cores while the calling
/// thread writes them in file order, moves the bar (caption "Making font...") and lets the user interface
/// handle its events. Returns false, with nothing at the output path, for a code range outside 0..255 or
/// backwards, a variable-pitch Asian grid, an impossible mode, a cell beyond the raster or the glyph buffer,
/// a table without codes, or a file that cannot be written whole. An existing file is replaced only once
/// the new one is complete.
bool MakeFont(const BitmapFontParams& params, Progress& progress);

} // namespace norvane
