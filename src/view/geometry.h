// Where things lie on screen and in the cube: card tiles, glyph cells, the
// hand strip, the face placement, the menu digits, the dust lines and the
// fixed quads of the display lists. Plain numbers only; the GL renderer
// issues them as they come.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "board/board.h"
#include "values/game_clock.h"
#include "values/score_digits.h"
#include "view/atlas.h"

namespace pelmora {

struct Particle;
struct Selection;

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// One corner of a quad: its texture coordinate, then its position.
struct TexturedVertex {
    TexCoord tex;
    Vec3 pos;
};

using Quad = std::array<TexturedVertex, 4>;

// A short list in fixed storage, so that drawing a frame allocates nothing.
// Items past the capacity are dropped.
template <typename T, std::size_t Capacity>
struct FixedList {
    std::array<T, Capacity> items{};
    std::size_t count = 0;

    void push_back(const T& item) {
        if (count < Capacity) items[count++] = item;
    }
    std::size_t size() const { return count; }
    const T& operator[](std::size_t i) const { return items[i]; }
    const T* begin() const { return items.data(); }
    const T* end() const { return items.data() + count; }
};

// The raised box of a card on its face, in the face's own frame.
struct TileBox {
    double x0 = 0.0;  // left edge
    double x1 = 0.0;  // right edge
    double y0 = 0.0;  // bottom edge
    double y1 = 0.0;  // top edge
    double z = 0.0;   // tile top
    double zf = 0.0;  // face plane
};

constexpr double ColumnStep = 0.75;
constexpr double RowStep = 1.0;
constexpr double TileWidth = 0.7;
constexpr double TileHeight = 0.95;
constexpr double FacePlaneZ = 10.0;
constexpr double LevelHeight = 0.4;

TileBox tileBox(Place place, uint8_t level);
// Top, left, right, upper and lower side, in drawing order. A selected card
// shows the highlighted copy of its picture.
std::array<Quad, 5> cardTileQuads(const Card& card);

// The score bar and its glyphs sit 2 units in front of the eye.
constexpr double HudZ = 22.0;
constexpr double GlyphCellWidth = 0.05;
constexpr double GlyphCellBottom = -0.8225;
constexpr double GlyphCellTop = -0.7725;

Quad glyphQuad(double x0, uint32_t digit);
// Left edges of the eight clock glyphs: hh mm ss, then the countdown.
double clockGlyphLeft(unsigned k);
std::array<Quad, 8> clockGlyphQuads(const GameClock& clock);
// Score digit k (0 the least significant) right-aligned at x 1.075.
double scoreGlyphLeft(unsigned k);
// Digits further left than this lie beyond the window's left edge.
constexpr std::size_t ScoreGlyphsInView = 30;
FixedList<Quad, ScoreGlyphsInView> scoreGlyphQuads(const ScoreDigits& score);

constexpr unsigned HandSlots = 5;
double stripSlotLeft(unsigned n);
// The corner of each selected card, oldest first; an empty slot shows the marker.
std::array<Quad, HandSlots> handStripQuads(const Selection& selection);

// One rotation of the model-view matrix, angle in degrees about an axis.
struct Rotation {
    double angle = 0.0;
    Vec3 axis;
};

// The rotations multiplied on after face index i has had its turn to be
// drawn, so that the next index lies on its own side of the cube.
FixedList<Rotation, 2> placementAfterFace(unsigned index);

// Menu digits: 20-pixel cells along the bottom edge from the left corner,
// most significant digit first.
constexpr int MenuDigitCell = 20;
Quad menuDigitQuad(unsigned cell, uint32_t digit);
// The cells that reach into the 1024-pixel-wide window; later digits are not drawn.
constexpr std::size_t MenuDigitsInView = 52;
FixedList<Quad, MenuDigitsInView> menuScoreQuads(const ScoreDigits& score);

// A dust particle is a short line pointing away from the eye.
constexpr double ParticleLength = 0.4;
struct LineEnds {
    Vec3 from;
    Vec3 to;
};
LineEnds particleLine(const Particle& particle);

// The fixed quads compiled into the display lists, and the order they are
// built in. The menu background covers width x height window pixels.
constexpr std::array<DisplayList, 8> DisplayListBuildOrder = {
    ListCubeFace, ListMenuBackground, ListPanelNewGame, ListPanelQuit,
    ListPanelPaused, ListHudBar, ListPanelGameOver, ListPanelGameWon};
Quad displayListQuad(DisplayList list, uint32_t width, uint32_t height);
// Lists drawn in window pixels rather than scene units.
bool isWindowPixelList(DisplayList list);
// The panel list for a menu page, or none (0) for a page outside 0..4.
uint32_t panelListFor(int32_t menuPage);

}  // namespace pelmora
