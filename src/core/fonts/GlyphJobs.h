#pragma once

#include "fonts/BitmapFontParams.h"
#include "fonts/CodeSets.h"

#include <QList>
#include <optional>

namespace norvane {

/// One glyph the maker draws: its code, the width of its cell, and the bar's position once it is written
/// (-1 for no change).
struct GlyphJob
{
    GlyphCode code;
    int cellWidth = 0;
    int progressAfter = -1;
};

/// The glyphs of a font in file order, or nothing when the params break a rule of their mode.
std::optional<QList<GlyphJob>> PlanGlyphs(const BitmapFontParams& params);

} // namespace norvane
