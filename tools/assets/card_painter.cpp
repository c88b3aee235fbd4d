#include "assets/card_painter.h"

#include <cmath>

#include "assets/paint.h"
#include "assets/suits.h"
#include "view/atlas.h"

namespace assets {
namespace {

using pelmora::CardHeight;
using pelmora::CardWidth;

constexpr double CentreX = CardWidth / 2.0;
constexpr int Ranks = 13;

bool isCourt(uint32_t rank) { return rank >= 10; }

void paintBackground(cairo_t* cr, CardLook look) {
    const bool lit = look == CardLook::Highlighted;
    const Rgb top = lit ? hex(0xFFF4B8) : hex(0xFFFDF7);
    const Rgb bottom = lit ? hex(0xFFD45C) : hex(0xEEE8D8);
    setGradient(cr, cairo_pattern_create_linear(0, 0, 0, CardHeight), top, bottom);
    cairo_paint(cr);
}

void paintOutline(cairo_t* cr, CardLook look) {
    cairo_set_line_width(cr, 1.0);
    cairo_rectangle(cr, 0.5, 0.5, CardWidth - 1, CardHeight - 1);
    setColour(cr, look == CardLook::Highlighted ? hex(0x9A4E00) : hex(0x7D776A));
    cairo_stroke(cr);
    if (look != CardLook::Highlighted) return;
    // A thick bright frame reads as "selected" even on a small, far tile.
    cairo_set_line_width(cr, 3.0);
    cairo_rectangle(cr, 2.5, 2.5, CardWidth - 5, CardHeight - 5);
    setColour(cr, hex(0xFF9A10));
    cairo_stroke(cr);
}

// Court cards get a framed centre in their suit's colour.
void paintCourtFrame(cairo_t* cr, Suit suit) {
    const Rgb ink = suitColour(suit);
    roundedRect(cr, 19.5, 8.5, 32, 79, 4);
    setColour(cr, ink, 0.1);
    cairo_fill_preserve(cr);
    setColour(cr, ink, 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

// Rank over a small suit inside the index corner (left+3..left+16, top+4..top+28).
void paintIndex(cairo_t* cr, uint32_t rank, Suit suit) {
    const double left = pelmora::CornerLeftInset;
    const double width = pelmora::CornerRightInset - pelmora::CornerLeftInset;
    setColour(cr, suitColour(suit));
    Lettering label;
    label.text = rankLabel(rank);
    label.x = left;
    label.width = width;
    label.baseline = pelmora::CornerTopInset + 11.0;
    label.capHeight = 10.0;
    label.squash = 0.9;
    label.inkBox = true;
    drawLettering(cr, label);
    fillSuit(cr, suit, left + width / 2.0, pelmora::CornerTopInset + 18.5, 9.0);
}

void paintCentre(cairo_t* cr, uint32_t rank, Suit suit) {
    setColour(cr, suitColour(suit));
    Lettering label;
    label.text = rankLabel(rank);
    label.x = 19.0;
    label.width = 33.0;
    label.baseline = 41.0;
    label.capHeight = 25.0;
    label.inkBox = true;
    drawLettering(cr, label);
    fillSuit(cr, suit, CentreX, 63.5, rank == 0 ? 32.0 : 28.0);
}

}  // namespace

const char* rankLabel(uint32_t rankIndex) {
    static const char* const labels[Ranks] = {"A", "2", "3", "4",  "5", "6", "7",
                                              "8", "9", "10", "J", "Q", "K"};
    return labels[rankIndex % Ranks];
}

void paintCard(cairo_t* cr, uint32_t value, CardLook look) {
    const uint32_t rank = value % Ranks;
    const Suit suit = static_cast<Suit>((value / Ranks) % 4);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, CardWidth, CardHeight);
    cairo_clip(cr);
    paintBackground(cr, look);
    paintOutline(cr, look);
    if (isCourt(rank)) paintCourtFrame(cr, suit);
    paintCentre(cr, rank, suit);
    paintIndex(cr, rank, suit);
    // The same index upside down in the opposite corner, as on a real card.
    cairo_save(cr);
    cairo_translate(cr, CardWidth, CardHeight);
    cairo_rotate(cr, M_PI);
    paintIndex(cr, rank, suit);
    cairo_restore(cr);
    cairo_restore(cr);
}

}  // namespace assets
