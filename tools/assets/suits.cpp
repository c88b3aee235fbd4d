#include "assets/suits.h"

#include <cmath>

namespace assets {
namespace {

// Each shape lies in a unit box centred on the origin, y running down.

void heartPath(cairo_t* cr) {
    cairo_move_to(cr, 0.0, -0.2);
    cairo_curve_to(cr, 0.08, -0.52, 0.5, -0.5, 0.5, -0.16);
    cairo_curve_to(cr, 0.5, 0.1, 0.2, 0.26, 0.0, 0.48);
    cairo_curve_to(cr, -0.2, 0.26, -0.5, 0.1, -0.5, -0.16);
    cairo_curve_to(cr, -0.5, -0.5, -0.08, -0.52, 0.0, -0.2);
    cairo_close_path(cr);
}

void diamondPath(cairo_t* cr) {
    cairo_move_to(cr, 0.0, -0.5);
    cairo_curve_to(cr, 0.1, -0.32, 0.24, -0.14, 0.38, 0.0);
    cairo_curve_to(cr, 0.24, 0.14, 0.1, 0.32, 0.0, 0.5);
    cairo_curve_to(cr, -0.1, 0.32, -0.24, 0.14, -0.38, 0.0);
    cairo_curve_to(cr, -0.24, -0.14, -0.1, -0.32, 0.0, -0.5);
    cairo_close_path(cr);
}

// The flared foot under a spade or a club.
void stemPath(cairo_t* cr) {
    cairo_move_to(cr, -0.05, 0.1);
    cairo_curve_to(cr, -0.06, 0.3, -0.12, 0.42, -0.24, 0.5);
    cairo_line_to(cr, 0.24, 0.5);
    cairo_curve_to(cr, 0.12, 0.42, 0.06, 0.3, 0.05, 0.1);
    cairo_close_path(cr);
}

void spadePath(cairo_t* cr) {
    cairo_move_to(cr, 0.0, -0.5);
    cairo_curve_to(cr, -0.18, -0.26, -0.48, -0.12, -0.48, 0.1);
    cairo_curve_to(cr, -0.48, 0.36, -0.14, 0.4, -0.02, 0.2);
    cairo_line_to(cr, 0.02, 0.2);
    cairo_curve_to(cr, 0.14, 0.4, 0.48, 0.36, 0.48, 0.1);
    cairo_curve_to(cr, 0.48, -0.12, 0.18, -0.26, 0.0, -0.5);
    cairo_close_path(cr);
}

void clubPath(cairo_t* cr) {
    const double r = 0.21;
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.0, -0.27, r, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, -0.25, 0.07, r, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.25, 0.07, r, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0.0, -0.02, 0.14, 0, 2 * M_PI);
}

}  // namespace

Rgb suitColour(Suit suit) {
    switch (suit) {
        case Suit::Spades: return hex(0x16181D);
        case Suit::Hearts: return hex(0xCC1F24);
        case Suit::Diamonds: return hex(0x1D5BC8);
        case Suit::Clubs: return hex(0x1B7F3A);
    }
    return hex(0x000000);
}

void fillSuit(cairo_t* cr, Suit suit, double cx, double cy, double size) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size, size);
    // The arcs all turn the same way, so the nonzero rule fills their union;
    // the stem turns the other way and is filled on its own.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    switch (suit) {
        case Suit::Spades: spadePath(cr); break;
        case Suit::Hearts: heartPath(cr); break;
        case Suit::Diamonds: diamondPath(cr); break;
        case Suit::Clubs: clubPath(cr); break;
    }
    cairo_fill(cr);
    if (suit == Suit::Spades || suit == Suit::Clubs) {
        stemPath(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace assets
