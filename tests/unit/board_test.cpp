#include <gtest/gtest.h>

#include "board/board.h"
#include "board/deal.h"
#include "platform/random.h"

namespace pelmora {
namespace {

Board dealtBoard() {
    Board board;
    Random random;
    random.seed(7);
    dealBoard(board, random);
    return board;
}

TEST(PlaceLayout, EveryLevelMatchesItsTable) {
    const struct { uint8_t level; uint32_t n; double x, y; } cases[] = {
        {1, 0, 2, 1},   {1, 11, 13, 1}, {1, 12, 2, 4},  {1, 24, 2, 5},    {1, 47, 13, 8},
        {1, 48, 4, 2},  {1, 63, 11, 7}, {1, 64, 3, 3},  {1, 83, 12, 6},   {1, 84, 1, 4.5},
        {1, 85, 14, 4.5}, {1, 86, 15, 4.5}, {2, 0, 5, 2}, {2, 35, 10, 7}, {3, 0, 6, 3},
        {3, 15, 9, 6},  {4, 1, 8, 4},   {4, 2, 7, 5},   {5, 0, 7.5, 4.5}, {6, 0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(placeFor(c.level, c.n), makePlace(c.x, c.y)) << int(c.level) << " n " << c.n;
    const uint32_t capacities[] = {87, 87, 36, 16, 4, 1, 87};
    for (uint8_t level = 0; level <= 6; ++level) EXPECT_EQ(capacityFor(level), capacities[level]);
}

TEST(FaceCardAt, AnswersTheTopmostCardAtExactlyThatPlace) {
    Board board = dealtBoard();
    Face& face = *board.face(0);
    const struct { double x, y; int level; } cases[] = {
        {5, 2, 2}, {7.5, 4.5, 5}, {7, 4, 4}, {4, 2, 1}, {6, 3, 3}, {14, 4.5, 1}};
    for (const auto& c : cases) {
        const Card* card = face.cardAt(makePlace(c.x, c.y));
        ASSERT_NE(card, nullptr) << c.x << "," << c.y;
        EXPECT_EQ(card->level, c.level) << c.x << "," << c.y;
    }
    EXPECT_EQ(face.cardAt(makePlace(1, 1)), nullptr);
    EXPECT_EQ(face.cardAt(makePlace(7, 4.5)), nullptr);

    face.layers[1].remove(face.layers[1].cardAt(5, 2));
    EXPECT_EQ(face.layers[1].cards.size(), 35u);
    EXPECT_EQ(face.cardAt(makePlace(5, 2)), face.layers[0].cardAt(5, 2));
}

TEST(FaceCardAt, NeverSearchesAZeroCoordinate) {
    Face face;
    face.layers.push_back(Layer{1, {}});
    face.layers[0].cards.push_back(std::make_unique<Card>());
    face.layers[0].cards[0]->place = makePlace(0, 5);
    EXPECT_EQ(face.cardAt(makePlace(0, 5)), nullptr);
}

TEST(BoardRecords, ResetLeavesSixEmptyFaces) {
    Board board = dealtBoard();
    EXPECT_EQ(board.cardCount(), 864u);
    board.reset();
    EXPECT_EQ(board.cardCount(), 0u);
    ASSERT_EQ(board.faces.size(), FaceCount);
    for (uint8_t f = 0; f < FaceCount; ++f) {
        EXPECT_TRUE(board.face(f)->layers.empty());
        EXPECT_EQ(board.face(f)->cardAt(makePlace(7.5, 4.5)), nullptr);
    }
    EXPECT_EQ(board.face(6), nullptr);
}

TEST(BoardRecords, RenumberFaceRewritesEveryCardOfThatFaceOnly) {
    Board board = dealtBoard();
    board.renumberFace(3, 5);
    for (uint8_t f = 0; f < FaceCount; ++f) {
        for (const Layer& layer : board.face(f)->layers) {
            for (const auto& card : layer.cards) EXPECT_EQ(card->face, f == 3 ? 5 : f);
        }
    }
}

}  // namespace
}  // namespace pelmora
