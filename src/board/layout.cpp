// Where each card of a face's heap lies: the fixed places of the five layers.
#include "board/board.h"

namespace pelmora {
namespace {

// The full rows of the bottom layer, in the order a deal fills them: the
// long outer rows first, then the shorter inner ones, each centred on x 7.5.
struct Row {
    uint32_t firstIndex;
    uint32_t lastIndex;
    double firstX;
    double y;
};

constexpr Row BottomRows[] = {
    {0, 11, 2, 1},  {12, 23, 2, 4}, {24, 35, 2, 5}, {36, 47, 2, 8},
    {48, 55, 4, 2}, {56, 63, 4, 7}, {64, 73, 3, 3}, {74, 83, 3, 6},
};

// The bottom layer ends on the half row: one place at the left end, two at
// the right end.
Place bottomPlace(uint32_t n) {
    for (const Row& row : BottomRows) {
        if (n <= row.lastIndex) return makePlace(row.firstX + (n - row.firstIndex), row.y);
    }
    if (n == 84) return makePlace(1, 4.5);
    if (n == 85) return makePlace(14, 4.5);
    return makePlace(15, 4.5);
}

// The four cards under the top card, which lies across all of them.
Place fourthLevelPlace(uint32_t n) {
    static const Place places[] = {{7, 4}, {8, 4}, {7, 5}, {8, 5}};
    return places[n < 3 ? n : 3];
}

}  // namespace

Place makePlace(double x, double y) { return Place{x, y}; }

uint32_t capacityFor(uint8_t level) {
    switch (level) {
        case 2: return 36;
        case 3: return 16;
        case 4: return 4;
        case 5: return 1;
        default: return 87;
    }
}

Place placeFor(uint8_t level, uint32_t n) {
    switch (level) {
        case 1: return bottomPlace(n);
        case 2: return makePlace(5 + n % 6, 2 + n / 6);
        case 3: return makePlace(6 + n % 4, 3 + n / 4);
        case 4: return fourthLevelPlace(n);
        case 5: return makePlace(7.5, 4.5);
        default: return makePlace(0, 0);
    }
}

}  // namespace pelmora
