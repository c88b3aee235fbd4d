// The four suit symbols as vector shapes, and the colours of the suits.
#pragma once

#include <cairo.h>

#include "assets/paint.h"

namespace assets {

// Suit index order of the card values: spades, hearts, diamonds, clubs.
enum class Suit { Spades = 0, Hearts = 1, Diamonds = 2, Clubs = 3 };

// Four colours, so a flush shows at a glance even in the small corner index.
Rgb suitColour(Suit suit);

// Fills the symbol centred on (cx, cy), `size` pixels tall, with the current source.
void fillSuit(cairo_t* cr, Suit suit, double cx, double cy, double size);

}  // namespace assets
