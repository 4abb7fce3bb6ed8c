#pragma once

#include "fonts/BitmapFontFile.h"

#include <QImage>

namespace norvane {

/// Every glyph of a font in a grid, each labelled with its code in hex above its cell, the cell framed in
/// grey, so what the printer will draw (clipping included) can be seen. Small fonts are enlarged.
QImage DrawFontSheet(const BitmapFontFile& font);

} // namespace norvane
