// The "CardTextureMap" atlas: card pictures and their highlighted copies, the
// card edges, the empty-slot marker, the digit glyphs and the score bar.
#pragma once

#include <cairo.h>

#include "assets/paint.h"

namespace assets {

// Everything of the atlas that no region claims.
constexpr Rgb AtlasUnusedColour = hex(0x6E6A62);
// The dark of the score bar's frames and of the glyph cells, so cells sit in
// their frames without a seam.
constexpr Rgb CellBackColour = hex(0x0C1117);
constexpr Rgb CellPlateColour = hex(0x18232E);
constexpr Rgb DigitColour = hex(0xFFE6A0);

// Paints the whole 1024 x 1024 atlas.
void paintCardAtlas(cairo_t* cr);

}  // namespace assets
