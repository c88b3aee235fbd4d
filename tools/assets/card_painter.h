// One card picture: the face of a card, plain or highlighted as selected.
// Also used by the menu picture, so the cards there match the game's.
#pragma once

#include <cstdint>

#include <cairo.h>

namespace assets {

enum class CardLook { Plain, Highlighted };

// Paints card value 0..51 into local pixels 0..71 x 0..96, y running down.
// The outermost ring of pixels is the card's outline, so a neighbour sharing
// that row or column keeps the same outline.
void paintCard(cairo_t* cr, uint32_t value, CardLook look);

const char* rankLabel(uint32_t rankIndex);

}  // namespace assets
