#include "view/picking.h"

#include <gtest/gtest.h>

#include <climits>

#include "board/deal.h"
#include "platform/random.h"

namespace pelmora {
namespace {

TEST(Picking, KnownCursorsStackedCardsAndFarOffCursors) {
    Board board;
    Random random;
    random.seed(12345);
    dealBoard(board, random);
    Face& front = *board.faces[0];
    const struct { int32_t x, y; double px, py; } cases[] = {
        {500, 390, 7.5, 4.5}, {520, 385, 7.5, 4.5}, {230, 400, 1, 4.5},       {215, 400, 1, 5},
        {800, 300, 14, 3},    {300, 100, 0, 0},     {301, 200, 0, 1},         {820, 419, 15, 4.5},
        {600, 410, 10, 5},    {INT_MIN, 400, 0, 5}, {INT_MIN, INT_MIN, 0, 0}, {INT_MAX, INT_MAX, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(pickPlace(front, c.x, c.y), makePlace(c.px, c.py)) << c.x << "," << c.y;
    EXPECT_EQ(front.cardAt(makePlace(14, 3)), nullptr);
    EXPECT_EQ(front.cardAt(pickPlace(front, 400, 250))->level, 2);  // the higher of two stacked cards

    front.layers[4].cards.clear();  // the top card has been dropped
    EXPECT_EQ(front.cardAt(pickPlace(front, 500, 390))->place, makePlace(7, 5));
    EXPECT_EQ(front.cardAt(makePlace(7, 5))->level, 4);
    EXPECT_EQ(pickPlace(front, 520, 385), makePlace(0, 0));  // 384..387 lies between rows
    EXPECT_EQ(pickPlace(Face{}, 500, 390), makePlace(7, 5));
}

}  // namespace
}  // namespace pelmora
