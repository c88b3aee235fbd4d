#include "assets/card_atlas.h"

#include "assets/card_painter.h"
#include "assets/hud_bar.h"
#include "view/atlas.h"

namespace assets {
namespace {

using pelmora::AtlasRect;

constexpr uint32_t DeckSize = 52;
constexpr Rgb OutlineColour = hex(0x7D776A);
constexpr Rgb PageColour = hex(0xEFE8D7);
constexpr Rgb PageLineColour = hex(0xD4CAB3);
constexpr Rgb PageShadowColour = hex(0x857D6B);

// The game samples its textures bilinearly, so the pixels just outside a
// small region show along its edges; a narrow apron in the region's own
// edge colour keeps the unused grey out of them.
void paintApron(cairo_t* cr, const AtlasRect& rect, Rgb colour) {
    const int apron = 2;
    cairo_rectangle(cr, rect.left - apron, pelmora::AtlasSize - rect.top - apron,
                    rectWidth(rect) + 2 * apron, rectHeight(rect) + 2 * apron);
    setColour(cr, colour);
    cairo_fill(cr);
}

void paintPictures(cairo_t* cr) {
    // Highlighted copies first: the top row of the highlighted spades shares
    // its pixels with the bottom row of the plain clubs, which keep their outline.
    for (uint32_t value = 0; value < DeckSize; ++value) {
        enterAtlasRect(cr, pelmora::selectedPictureRect(value));
        paintCard(cr, value, CardLook::Highlighted);
        cairo_restore(cr);
    }
    for (uint32_t value = 0; value < DeckSize; ++value) {
        enterAtlasRect(cr, pelmora::cardPictureRect(value));
        paintCard(cr, value, CardLook::Plain);
        cairo_restore(cr);
    }
}

// The card's thickness seen from the side: stacked paper, the edge of the
// top face outlined, darkening toward the cloth.
Rgb pageTone(int fromTop, int depth) {
    if (fromTop == 0) return OutlineColour;
    const Rgb paper = fromTop % 3 == 0 ? PageLineColour : PageColour;
    return mix(paper, PageShadowColour, 0.45 * fromTop / depth);
}

// One line of paper per pixel of depth, the tile top in the last line: the
// side strip runs across (u 35 the tile top, u 0 the cloth), the end strip
// down (v 0, the bottom row, the tile top, v 26 the cloth).
void paintPageStack(cairo_t* cr, const AtlasRect& rect, bool across) {
    const int depth = across ? rectWidth(rect) : rectHeight(rect);
    enterAtlasRect(cr, rect);
    for (int i = 0; i < depth; ++i) {
        setColour(cr, pageTone(depth - 1 - i, depth - 1));
        if (across) cairo_rectangle(cr, i, 0, 1, rectHeight(rect));
        else cairo_rectangle(cr, 0, i, rectWidth(rect), 1);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// An empty place of the hand strip: a dashed card outline on a dark plate.
void paintSlotMarker(cairo_t* cr) {
    const AtlasRect& rect = pelmora::SlotMarker;
    const double w = rectWidth(rect), h = rectHeight(rect);
    enterAtlasRect(cr, rect);
    setColour(cr, CellBackColour);
    cairo_paint(cr);
    roundedRect(cr, 1, 1, w - 2, h - 2, 2.5);
    setColour(cr, CellPlateColour);
    cairo_fill(cr);
    const double dashes[] = {2.5, 1.5};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_set_line_width(cr, 1.2);
    roundedRect(cr, 4.5, 3.5, w - 9, h - 7, 1.5);
    setColour(cr, hex(0x7A8A9C));
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Digits are drawn narrow: a 31 x 46 glyph is shown in a square cell.
void paintGlyph(cairo_t* cr, uint32_t digit) {
    const AtlasRect rect = pelmora::glyphRect(digit);
    const double w = rectWidth(rect), h = rectHeight(rect);
    enterAtlasRect(cr, rect);
    // The whole cell is plate: the score bar joins cells into numbers.
    setColour(cr, CellPlateColour);
    cairo_paint(cr);
    setColour(cr, DigitColour);
    if (digit < 10) {
        char text[2] = {static_cast<char>('0' + digit), '\0'};
        Lettering label;
        label.text = text;
        label.width = w;
        label.capHeight = 31.0;
        label.baseline = (h + label.capHeight) / 2.0;
        label.squash = 0.85;
        label.inkBox = true;
        drawLettering(cr, label);
    } else {
        // Any other number shows a dash.
        cairo_rectangle(cr, w / 2.0 - 6.0, h / 2.0 - 2.5, 12.0, 5.0);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace

void paintCardAtlas(cairo_t* cr) {
    setColour(cr, AtlasUnusedColour);
    cairo_paint(cr);
    paintPictures(cr);
    paintPageStack(cr, pelmora::CardSideStrip, true);
    paintPageStack(cr, pelmora::CardEndStrip, false);
    paintApron(cr, pelmora::SlotMarker, CellBackColour);
    paintSlotMarker(cr);
    for (uint32_t digit = 0; digit <= 10; ++digit)
        paintApron(cr, pelmora::glyphRect(digit), CellPlateColour);
    for (uint32_t digit = 0; digit <= 10; ++digit) paintGlyph(cr, digit);
    paintHudBar(cr);
}

}  // namespace assets
