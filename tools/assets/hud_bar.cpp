#include "assets/hud_bar.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/card_atlas.h"
#include "assets/paint.h"
#include "assets/palette.h"
#include "view/atlas.h"
#include "view/geometry.h"

namespace assets {
namespace {

using pelmora::HudBar;

constexpr Rgb BarTop = hex(0x2C3B4B);
constexpr Rgb BarBottom = hex(0x111922);
constexpr Rgb FrameRim = hex(0x5B6B7C);
constexpr Rgb LabelColour = hex(0xD8C48E);

// A row of neighbouring glyph cells: scene x of its left and right edges.
struct CellRun {
    double left = 0.0;
    double right = 0.0;
};

CellRun handCells() {
    return {pelmora::stripSlotLeft(0),
            pelmora::stripSlotLeft(pelmora::HandSlots - 1) + pelmora::GlyphCellWidth};
}
CellRun clockCells() {
    return {pelmora::clockGlyphLeft(0), pelmora::clockGlyphLeft(5) + pelmora::GlyphCellWidth};
}
CellRun countdownCells() {
    return {pelmora::clockGlyphLeft(6), pelmora::clockGlyphLeft(7) + pelmora::GlyphCellWidth};
}
CellRun scoreCells() {
    return {pelmora::scoreGlyphLeft(FramedScoreDigits - 1),
            pelmora::scoreGlyphLeft(0) + pelmora::GlyphCellWidth};
}

constexpr double FrameMarginU = 5.0;
constexpr double FrameMarginY = 4.0;
constexpr double LabelGap = 9.0;
constexpr double LabelCapHeight = 15.0;

struct Frame {
    double left, right, top, bottom;
};

Frame frameAround(const BarMapping& map, CellRun run) {
    return {map.u(run.left) - FrameMarginU, map.u(run.right) + FrameMarginU,
            map.y(pelmora::GlyphCellTop) - FrameMarginY,
            map.y(pelmora::GlyphCellBottom) + FrameMarginY};
}

void paintBackground(cairo_t* cr, double w, double h) {
    setGradient(cr, cairo_pattern_create_linear(0, 0, 0, h), BarTop, BarBottom);
    cairo_paint(cr);
    setColour(cr, TrimGold);
    cairo_rectangle(cr, 0, 0, w, 2);
    cairo_fill(cr);
    setColour(cr, hex(0x000000), 0.5);
    cairo_rectangle(cr, 0, 2, w, 1);
    cairo_fill(cr);
}

void paintFrame(cairo_t* cr, const Frame& f) {
    roundedRect(cr, f.left, f.top, f.right - f.left, f.bottom - f.top, 4.0);
    setColour(cr, CellBackColour);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    setColour(cr, FrameRim);
    cairo_stroke(cr);
}

// Cells that make one number share a plate, so the gaps between them close.
void paintPlate(cairo_t* cr, const BarMapping& map, CellRun run) {
    const double top = map.y(pelmora::GlyphCellTop);
    cairo_rectangle(cr, map.u(run.left), top, map.u(run.right) - map.u(run.left),
                    map.y(pelmora::GlyphCellBottom) - top);
    setColour(cr, CellPlateColour);
    cairo_fill(cr);
}

CellRun clockPair(unsigned first) {
    return {pelmora::clockGlyphLeft(first), pelmora::clockGlyphLeft(first + 1) + pelmora::GlyphCellWidth};
}

// The clock shows hh mm ss in three pairs of cells; the colons go between pairs.
void paintColon(cairo_t* cr, const BarMapping& map, double sceneX) {
    const double cx = map.u(sceneX);
    const double cy = (map.y(pelmora::GlyphCellTop) + map.y(pelmora::GlyphCellBottom)) / 2.0;
    const double r = 2.4;
    setColour(cr, DigitColour);
    for (double offset : {-6.5, 6.5}) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy + offset);
        cairo_scale(cr, 1.0, 1.0 / map.squash());
        cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_fill(cr);
    }
}

void paintLabel(cairo_t* cr, const BarMapping& map, const std::string& text, double edge,
                Align align) {
    Lettering label;
    label.text = text;
    label.capHeight = LabelCapHeight;
    label.squash = map.squash();
    label.align = align;
    label.width = 120.0;
    label.x = align == Align::Right ? edge - LabelGap - label.width : edge + LabelGap;
    const double cellMiddle =
        (map.y(pelmora::GlyphCellTop) + map.y(pelmora::GlyphCellBottom)) / 2.0;
    label.baseline = cellMiddle + LabelCapHeight / 2.0;
    setColour(cr, LabelColour);
    drawLettering(cr, label);
}

double gapMiddle(double leftCellX0, double rightCellX0) {
    return (leftCellX0 + pelmora::GlyphCellWidth + rightCellX0) / 2.0;
}

}  // namespace

double BarMapping::u(double sceneX) const {
    return HudBar.left + (sceneX - sceneLeft) / (sceneRight - sceneLeft) * rectWidth(HudBar);
}

double BarMapping::y(double sceneY) const {
    return (sceneTop - sceneY) / (sceneTop - sceneBottom) * rectHeight(HudBar);
}

double BarMapping::squash() const {
    const double uPerUnit = rectWidth(HudBar) / (sceneRight - sceneLeft);
    const double vPerUnit = rectHeight(HudBar) / (sceneTop - sceneBottom);
    return uPerUnit / vPerUnit;
}

BarMapping barMapping() {
    const pelmora::Quad quad = pelmora::displayListQuad(pelmora::ListHudBar, 1024, 768);
    BarMapping map{quad[0].pos.x, quad[0].pos.x, quad[0].pos.y, quad[0].pos.y};
    for (const pelmora::TexturedVertex& corner : quad) {
        map.sceneLeft = std::min(map.sceneLeft, corner.pos.x);
        map.sceneRight = std::max(map.sceneRight, corner.pos.x);
        map.sceneBottom = std::min(map.sceneBottom, corner.pos.y);
        map.sceneTop = std::max(map.sceneTop, corner.pos.y);
    }
    return map;
}

void paintHudBar(cairo_t* cr) {
    const BarMapping map = barMapping();
    // The rows above the bar repeat its trim for the bilinear sampling at its top edge.
    setColour(cr, TrimGold);
    cairo_rectangle(cr, HudBar.left, pelmora::AtlasSize - HudBar.top - 2, rectWidth(HudBar), 2);
    cairo_fill(cr);
    enterAtlasRect(cr, HudBar);
    paintBackground(cr, rectWidth(HudBar), rectHeight(HudBar));
    const Frame hand = frameAround(map, handCells());
    const Frame clock = frameAround(map, clockCells());
    const Frame countdown = frameAround(map, countdownCells());
    const Frame score = frameAround(map, scoreCells());
    for (const Frame& frame : {hand, clock, countdown, score}) paintFrame(cr, frame);
    for (unsigned first : {0u, 2u, 4u, 6u}) paintPlate(cr, map, clockPair(first));
    paintPlate(cr, map, scoreCells());
    paintColon(cr, map, gapMiddle(pelmora::clockGlyphLeft(1), pelmora::clockGlyphLeft(2)));
    paintColon(cr, map, gapMiddle(pelmora::clockGlyphLeft(3), pelmora::clockGlyphLeft(4)));
    paintLabel(cr, map, "HAND", hand.right, Align::Left);
    paintLabel(cr, map, "TIME", clock.left, Align::Right);
    paintLabel(cr, map, "LEFT", countdown.left, Align::Right);
    paintLabel(cr, map, "SCORE", score.left, Align::Right);
    cairo_restore(cr);
}

}  // namespace assets
