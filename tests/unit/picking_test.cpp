#include "view/picking.h"

#include <gtest/gtest.h>

#include <climits>

#include "board/deal.h"
#include "platform/system.h"
#include "values/random.h"

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

// Both ends of every range pick, the pixel beyond each end does not.
TEST(Picking, EveryRangeHoldsBothEndsAndNothingBeyond) {
    const struct { int32_t low, high; double place; } rows[] = {
        {174, 225, 1}, {230, 279, 2}, {282, 331, 3}, {334, 383, 4},
        {388, 438, 5}, {440, 490, 6}, {493, 542, 7}, {544, 591, 8}};
    const struct { int32_t low, high; double place; } columns[] = {
        {215, 257, 1},  {260, 300, 2},  {303, 342, 3},  {346, 384, 4},  {385, 424, 5},
        {426, 465, 6},  {468, 508, 7},  {512, 553, 8},  {555, 595, 9},  {597, 636, 10},
        {637, 675, 11}, {678, 718, 12}, {721, 761, 13}, {764, 804, 14}, {807, 849, 15}};
    const Face flat;  // no top card: only the grid and the half row
    for (const auto& r : rows) {
        for (int32_t y : {r.low, r.high})
            EXPECT_EQ(pickPlace(flat, 280, y), makePlace(2, r.place)) << y;
        for (int32_t y : {r.low - 1, r.high + 1})
            EXPECT_NE(pickPlace(flat, 280, y).y, r.place) << y;
    }
    for (const auto& c : columns) {
        for (int32_t x : {c.low, c.high})
            EXPECT_EQ(pickPlace(flat, x, 200), makePlace(c.place, 1)) << x;
        for (int32_t x : {c.low - 1, c.high + 1})
            EXPECT_NE(pickPlace(flat, x, 200).x, c.place) << x;
    }
    const struct { int32_t x, y; double px, py; } targets[] = {
        {764, 360, 14, 4.5}, {804, 420, 14, 4.5}, {807, 360, 15, 4.5}, {849, 420, 15, 4.5},
        {216, 360, 1, 4.5},  {257, 420, 1, 4.5},  {216, 359, 1, 4},    {257, 421, 1, 5},
        {850, 400, 0, 5}};
    for (const auto& t : targets)
        EXPECT_EQ(pickPlace(flat, t.x, t.y), makePlace(t.px, t.py)) << t.x << "," << t.y;

    Board board;
    Random random;
    dealBoard(board, random);
    const Face& dealt = *board.faces[0];
    for (const Point p : {Point{489, 358}, Point{531, 412}, Point{489, 412}, Point{531, 358}})
        EXPECT_EQ(pickPlace(dealt, p.x, p.y), makePlace(7.5, 4.5)) << p.x << "," << p.y;
    for (const Point p : {Point{488, 358}, Point{532, 412}, Point{500, 357}, Point{500, 413}})
        EXPECT_NE(pickPlace(dealt, p.x, p.y), makePlace(7.5, 4.5)) << p.x << "," << p.y;
}

}  // namespace
}  // namespace pelmora
