// Where each picture lies in the textures: card pictures, card edges, digit
// glyphs, the score bar, the slot marker and the menu panels. Coordinates are
// atlas pixels of a 1024 x 1024 grid, v counted from the bottom edge.
#pragma once

#include <cstdint>

namespace pelmora {

struct Card;

struct TexCoord {
    double u = 0.0;
    double v = 0.0;
};

// A rectangle in atlas pixels: left..right, bottom..top.
struct AtlasRect {
    int left = 0;
    int right = 0;
    int bottom = 0;
    int top = 0;
};

constexpr int AtlasSize = 1024;
constexpr double atlasUnit(int pixels) { return pixels / 1024.0; }

// Card pictures: a grid of pitch 70 across and 95 down; each picture is
// 71 x 96, so neighbours share a row or column.
constexpr int CardPitchU = 70;
constexpr int CardWidth = 71;
constexpr int CardHeight = 96;
constexpr int CardBottoms[4] = {928, 833, 738, 643};
constexpr int SelectedPictureOffset = -380;
constexpr AtlasRect CardSideStrip = {0, 35, 0, 96};
constexpr AtlasRect CardEndStrip = {36, 107, 0, 26};
constexpr AtlasRect HudBar = {0, 1024, 96, 168};
constexpr AtlasRect SlotMarker = {146, 166, 175, 195};
constexpr int GlyphLefts[10] = {596, 632, 668, 713, 758, 803, 848, 893, 938, 983};
constexpr int FallbackGlyphLeft = 464;
constexpr int GlyphWidth = 31;
constexpr int GlyphBottom = 10;
constexpr int GlyphTop = 56;
// The index corner inside a card picture, relative to its left and top.
constexpr int CornerLeftInset = 3;
constexpr int CornerRightInset = 16;
constexpr int CornerTopInset = 4;
constexpr int CornerBottomInset = 28;

AtlasRect cardPictureRect(uint32_t value);
AtlasRect selectedPictureRect(uint32_t value);
AtlasRect cardCornerRect(uint32_t value);
AtlasRect glyphRect(uint32_t digit);  // fallback glyph outside 0..9

TexCoord cardTexCoord(const Card& card);  // bottom-left of its picture
TexCoord cardTexCoordTopLeft(const Card& card);
TexCoord cardTexCoordBottomRight(const Card& card);
TexCoord cardTexCoordTopRight(const Card& card);
TexCoord digitTexCoord(uint32_t digit);  // top-left of the glyph

// The menu panels of "SubMenuPlots", each 382 x 264.
constexpr AtlasRect PanelNewGame = {0, 382, 760, 1024};
constexpr AtlasRect PanelQuit = {382, 764, 760, 1024};
constexpr AtlasRect PanelPaused = {0, 382, 496, 760};
constexpr AtlasRect PanelGameWon = {0, 382, 232, 496};
constexpr AtlasRect PanelGameOver = {382, 764, 496, 760};

// Display list numbers.
enum DisplayList : uint32_t {
    ListCubeFace = 1000,
    ListMenuBackground = 1001,
    ListPanelPaused = 1002,
    ListPanelNewGame = 1003,
    ListPanelQuit = 1004,
    ListHudBar = 1005,
    ListPanelGameOver = 1006,
    ListPanelGameWon = 1007,
};

}  // namespace pelmora
