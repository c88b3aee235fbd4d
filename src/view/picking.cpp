#include "view/picking.h"

namespace pelmora {

namespace {

struct PixelRange {
    int32_t low;
    int32_t high;
    double place;
};

// Fixed window pixels of the 1024 x 768 window. They fit the cube as drawn
// while it leans toward the cursor, so they span less than the flat picture.
constexpr PixelRange RowRanges[] = {
    {174, 225, 1}, {230, 279, 2}, {282, 331, 3}, {334, 383, 4},
    {388, 438, 5}, {440, 490, 6}, {493, 542, 7}, {544, 591, 8},
};

constexpr PixelRange ColumnRanges[] = {
    {215, 257, 1},  {260, 300, 2},  {303, 342, 3},  {346, 384, 4},  {385, 424, 5},
    {426, 465, 6},  {468, 508, 7},  {512, 553, 8},  {555, 595, 9},  {597, 636, 10},
    {637, 675, 11}, {678, 718, 12}, {721, 761, 13}, {764, 804, 14}, {807, 849, 15},
};

// The three single places of the half row, tested before the grid.
constexpr int32_t HalfRowTop = 360;
constexpr int32_t HalfRowBottom = 420;
constexpr PixelRange HalfRowTargets[] = {{764, 804, 14}, {807, 849, 15}, {216, 257, 1}};
constexpr double HalfRow = 4.5;

constexpr PixelRange TopCardColumns = {489, 531, 7.5};
constexpr int32_t TopCardTop = 358;
constexpr int32_t TopCardBottom = 412;
constexpr unsigned TopLayer = 4;

// Unsigned distance from the low end, so anything left of it wraps to a huge
// value and misses, without signed overflow for far-off coordinates.
bool within(int32_t value, int32_t low, int32_t high) {
    const uint32_t offset = static_cast<uint32_t>(value) - static_cast<uint32_t>(low);
    return offset <= static_cast<uint32_t>(high - low);
}

template <size_t N>
double firstMatch(const PixelRange (&ranges)[N], int32_t value) {
    for (const PixelRange& r : ranges)
        if (within(value, r.low, r.high)) return r.place;
    return 0.0;
}

// The top card is a target only while it is the single card of the top
// layer; a face without its five layers has no top card.
bool hasSingleTopCard(const Face& face) {
    return face.layers.size() > TopLayer && face.layers[TopLayer].cards.size() == 1;
}

}  // namespace

Place pickPlace(const Face& face, int32_t cursorX, int32_t cursorY) {
    if (hasSingleTopCard(face) && within(cursorY, TopCardTop, TopCardBottom) &&
        within(cursorX, TopCardColumns.low, TopCardColumns.high))
        return makePlace(TopCardColumns.place, HalfRow);
    if (within(cursorY, HalfRowTop, HalfRowBottom)) {
        const double x = firstMatch(HalfRowTargets, cursorX);
        if (x != 0.0) return makePlace(x, HalfRow);
    }
    const double y = firstMatch(RowRanges, cursorY);
    if (y == 0.0) return makePlace(0, 0);
    return makePlace(firstMatch(ColumnRanges, cursorX), y);
}

}  // namespace pelmora
