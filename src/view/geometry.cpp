#include "view/geometry.h"

#include "play/drop.h"
#include "play/selection.h"
#include "values/modes.h"

namespace pelmora {

namespace {

TexCoord shifted(TexCoord t, double du, double dv) { return {t.u + du, t.v + dv}; }

TexCoord atlasPoint(int u, int v) { return {atlasUnit(u), atlasUnit(v)}; }

// A quad over x0..x1, y0..y1 at depth z whose texture runs from (left, bottom)
// to (right, top); issued top-left, bottom-left, bottom-right, top-right.
Quad flatQuad(double x0, double x1, double y0, double y1, double z, double left, double right,
              double bottom, double top) {
    return {{{{left, top}, {x0, y1, z}},
             {{left, bottom}, {x0, y0, z}},
             {{right, bottom}, {x1, y0, z}},
             {{right, top}, {x1, y1, z}}}};
}

Quad tileTop(const Card& card, const TileBox& b) {
    const double s = card.selected ? atlasUnit(SelectedPictureOffset) : 0.0;
    return {{{shifted(cardTexCoord(card), 0, s), {b.x0, b.y0, b.z}},
             {shifted(cardTexCoordTopLeft(card), 0, s), {b.x0, b.y1, b.z}},
             {shifted(cardTexCoordTopRight(card), 0, s), {b.x1, b.y1, b.z}},
             {shifted(cardTexCoordBottomRight(card), 0, s), {b.x1, b.y0, b.z}}}};
}

// The long edge of the card's thickness at x: tile top at u 35, face at u 0.
Quad tileLongSide(const TileBox& b, double x) {
    const AtlasRect& r = CardSideStrip;
    return {{{atlasPoint(r.right, r.bottom), {x, b.y0, b.z}},
             {atlasPoint(r.left, r.bottom), {x, b.y0, b.zf}},
             {atlasPoint(r.left, r.top), {x, b.y1, b.zf}},
             {atlasPoint(r.right, r.top), {x, b.y1, b.z}}}};
}

Quad tileUpperSide(const TileBox& b) {
    const AtlasRect& r = CardEndStrip;
    return {{{atlasPoint(r.left, r.bottom), {b.x0, b.y1, b.z}},
             {atlasPoint(r.left, r.top), {b.x0, b.y1, b.zf}},
             {atlasPoint(r.right, r.top), {b.x1, b.y1, b.zf}},
             {atlasPoint(r.right, r.bottom), {b.x1, b.y1, b.z}}}};
}

Quad tileLowerSide(const TileBox& b) {
    const AtlasRect& r = CardEndStrip;
    return {{{atlasPoint(r.left, r.bottom), {b.x0, b.y0, b.z}},
             {atlasPoint(r.right, r.bottom), {b.x1, b.y0, b.z}},
             {atlasPoint(r.right, r.top), {b.x1, b.y0, b.zf}},
             {atlasPoint(r.left, r.top), {b.x0, b.y0, b.zf}}}};
}

Quad glyphCell(double x0, double x1, uint32_t digit) {
    const TexCoord t = digitTexCoord(digit);
    return flatQuad(x0, x1, GlyphCellBottom, GlyphCellTop, HudZ, t.u, t.u + atlasUnit(GlyphWidth),
                    atlasUnit(GlyphBottom), t.v);
}

Quad stripSlot(unsigned n, const Card* card) {
    const double x0 = stripSlotLeft(n);
    const double x1 = x0 + GlyphCellWidth;
    if (card == nullptr) {
        const AtlasRect& m = SlotMarker;
        return flatQuad(x0, x1, GlyphCellBottom, GlyphCellTop, HudZ, atlasUnit(m.left),
                        atlasUnit(m.right), atlasUnit(m.bottom), atlasUnit(m.top));
    }
    const TexCoord t = cardTexCoordTopLeft(*card);
    const double u = t.u + atlasUnit(CornerLeftInset);
    const double v = t.v - atlasUnit(CornerTopInset);
    return flatQuad(x0, x1, GlyphCellBottom, GlyphCellTop, HudZ, u,
                    u + atlasUnit(CornerRightInset - CornerLeftInset),
                    v - atlasUnit(CornerBottomInset - CornerTopInset), v);
}

// Panels and the background are given corner by corner in window pixels.
Quad pixelQuad(std::array<TexCoord, 4> tex, std::array<std::array<int, 2>, 4> pos) {
    Quad q;
    for (unsigned i = 0; i < 4; ++i) q[i] = {tex[i], {double(pos[i][0]), double(pos[i][1]), 0.0}};
    return q;
}

Quad panelQuad(const AtlasRect& r) {
    const double l = atlasUnit(r.left), rt = atlasUnit(r.right);
    const double b = atlasUnit(r.bottom), t = atlasUnit(r.top);
    return pixelQuad({{{l, t}, {rt, t}, {rt, b}, {l, b}}},
                     {{{321, 486}, {703, 486}, {703, 222}, {321, 222}}});
}

Quad cubeFaceQuad() {
    return {{{{0, 1}, {-10, 10, 10}},
             {{0, 0}, {-10, -10, 10}},
             {{1, 0}, {10, -10, 10}},
             {{1, 1}, {10, 10, 10}}}};
}

Quad hudBarQuad() {
    const double top = atlasUnit(HudBar.top), bottom = atlasUnit(HudBar.bottom);
    return {{{{0, top}, {-1.125, -0.75, HudZ}},
             {{0, bottom}, {-1.125, -0.85, HudZ}},
             {{1, bottom}, {1.125, -0.85, HudZ}},
             {{1, top}, {1.125, -0.75, HudZ}}}};
}

}  // namespace

TileBox tileBox(Place place, uint8_t level) {
    TileBox b;
    b.x0 = (place.x - 1) * ColumnStep - 5.25;
    b.x1 = b.x0 + TileWidth;
    b.y0 = 3 - (place.y - 1) * RowStep;
    b.y1 = b.y0 + TileHeight;
    b.z = FacePlaneZ + LevelHeight * level;
    b.zf = FacePlaneZ;
    return b;
}

std::array<Quad, 5> cardTileQuads(const Card& card) {
    const TileBox b = tileBox(card.place, card.level);
    return {tileTop(card, b), tileLongSide(b, b.x0), tileLongSide(b, b.x1), tileUpperSide(b),
            tileLowerSide(b)};
}

Quad glyphQuad(double x0, uint32_t digit) { return glyphCell(x0, x0 + GlyphCellWidth, digit); }

double clockGlyphLeft(unsigned k) {
    if (k < 6) return 0.075 * k - 0.275;
    return k == 6 ? 0.475 : 0.55;
}

std::array<Quad, 8> clockGlyphQuads(const GameClock& c) {
    const uint32_t digits[8] = {c.hoursTens,   c.hoursUnits,   c.minutesTens,   c.minutesUnits,
                                c.secondsTens, c.secondsUnits, c.countdownTens, c.countdownUnits};
    std::array<Quad, 8> quads;
    for (unsigned k = 0; k < 8; ++k) quads[k] = glyphQuad(clockGlyphLeft(k), digits[k]);
    return quads;
}

double scoreGlyphLeft(unsigned k) { return 1.075 - 0.075 * k - GlyphCellWidth; }

FixedList<Quad, ScoreGlyphsInView> scoreGlyphQuads(const ScoreDigits& score) {
    FixedList<Quad, ScoreGlyphsInView> quads;
    for (unsigned k = 0; k < score.size() && k < ScoreGlyphsInView; ++k) {
        const double x1 = 1.075 - 0.075 * k;
        quads.push_back(glyphCell(x1 - GlyphCellWidth, x1, score[k]));
    }
    return quads;
}

double stripSlotLeft(unsigned n) { return 0.075 * n - 1.075; }

std::array<Quad, HandSlots> handStripQuads(const Selection& selection) {
    std::array<Quad, HandSlots> quads;
    for (unsigned n = 0; n < HandSlots; ++n)
        quads[n] = stripSlot(n, selectedCardAt(selection, static_cast<uint8_t>(n)));
    return quads;
}

FixedList<Rotation, 2> placementAfterFace(unsigned index) {
    FixedList<Rotation, 2> rotations;
    switch (index) {
        case 0:
        case 1:
        case 2: rotations.push_back({90, {0, 1, 0}}); break;
        case 3:
            rotations.push_back({270, {1, 0, 0}});
            rotations.push_back({90, {0, 0, 1}});
            break;
        case 4:
        case 5: rotations.push_back({-180, {1, 0, 0}}); break;
        default: break;
    }
    return rotations;
}

Quad menuDigitQuad(unsigned cell, uint32_t digit) {
    const TexCoord t = digitTexCoord(digit);
    const double x0 = double(MenuDigitCell) * cell;
    return flatQuad(x0, x0 + MenuDigitCell, 0, MenuDigitCell, 0, t.u, t.u + atlasUnit(GlyphWidth),
                    atlasUnit(GlyphBottom), t.v);
}

FixedList<Quad, MenuDigitsInView> menuScoreQuads(const ScoreDigits& score) {
    FixedList<Quad, MenuDigitsInView> quads;
    for (size_t i = score.size(); i-- > 0 && quads.size() < MenuDigitsInView;)
        quads.push_back(menuDigitQuad(static_cast<unsigned>(quads.size()), score[i]));
    return quads;
}

LineEnds particleLine(const Particle& p) {
    return {{p.x, p.y, p.z}, {p.x, p.y, p.z - ParticleLength}};
}

Quad displayListQuad(DisplayList list, uint32_t width, uint32_t height) {
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    switch (list) {
        case ListCubeFace: return cubeFaceQuad();
        case ListMenuBackground:
            return pixelQuad({{{0, 0}, {1, 0}, {1, 1}, {0, 1}}}, {{{0, 0}, {w, 0}, {w, h}, {0, h}}});
        case ListPanelPaused: return panelQuad(PanelPaused);
        case ListPanelNewGame: return panelQuad(PanelNewGame);
        case ListPanelQuit: return panelQuad(PanelQuit);
        case ListHudBar: return hudBarQuad();
        case ListPanelGameOver: return panelQuad(PanelGameOver);
        case ListPanelGameWon: return panelQuad(PanelGameWon);
    }
    return {};
}

bool isWindowPixelList(DisplayList list) { return list != ListCubeFace && list != ListHudBar; }

uint32_t panelListFor(int32_t menuPage) {
    switch (menuPage) {
        case PageNewGame: return ListPanelNewGame;
        case PageQuit: return ListPanelQuit;
        case PagePaused: return ListPanelPaused;
        case PageGameWon: return ListPanelGameWon;
        case PageGameOver: return ListPanelGameOver;
        default: return 0;
    }
}

}  // namespace pelmora
