#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "board/board.h"
#include "board/deal.h"
#include "platform/random.h"

namespace pelmora {
namespace {

struct Expected {
    uint32_t n;
    double x;
    double y;
};

void expectPlaces(uint8_t level, std::initializer_list<Expected> cases) {
    for (const Expected& c : cases) {
        const Place p = placeFor(level, c.n);
        EXPECT_EQ(p.x, c.x) << "level " << int(level) << " n " << c.n;
        EXPECT_EQ(p.y, c.y) << "level " << int(level) << " n " << c.n;
    }
}

Board dealtBoard(uint32_t seed = 7) {
    Board board;
    Random random;
    random.seed(seed);
    dealBoard(board, random);
    return board;
}

TEST(PlaceLayout, BottomLayerFillsLongRowsThenInnerRowsThenHalfRow) {
    expectPlaces(1, {{0, 2, 1}, {11, 13, 1}, {12, 2, 4}, {24, 2, 5}, {47, 13, 8}, {48, 4, 2},
                     {56, 4, 7}, {63, 11, 7}, {64, 3, 3}, {74, 3, 6}, {83, 12, 6},
                     {84, 1, 4.5}, {85, 14, 4.5}, {86, 15, 4.5}});
}

TEST(PlaceLayout, UpperLayersAreCentredBlocks) {
    expectPlaces(2, {{0, 5, 2}, {5, 10, 2}, {6, 5, 3}, {35, 10, 7}});
    expectPlaces(3, {{0, 6, 3}, {3, 9, 3}, {15, 9, 6}});
    expectPlaces(4, {{0, 7, 4}, {1, 8, 4}, {2, 7, 5}, {3, 8, 5}});
    expectPlaces(5, {{0, 7.5, 4.5}});
    EXPECT_EQ(placeFor(0, 0), makePlace(0, 0));
    EXPECT_EQ(placeFor(6, 0), makePlace(0, 0));
}

TEST(PlaceLayout, EveryLayerHasDistinctPlacesUpToItsCapacity) {
    const uint32_t capacities[] = {87, 36, 16, 4, 1};
    for (uint8_t level = 1; level <= LevelCount; ++level) {
        EXPECT_EQ(capacityFor(level), capacities[level - 1]);
        std::set<std::pair<double, double>> seen;
        for (uint32_t n = 0; n < capacityFor(level); ++n) {
            const Place p = placeFor(level, n);
            EXPECT_TRUE(seen.insert({p.x, p.y}).second) << "level " << int(level) << " n " << n;
            EXPECT_NE(p.x, 0.0);
        }
    }
    EXPECT_EQ(capacityFor(0), 87u);
    EXPECT_EQ(capacityFor(9), 87u);
}

TEST(FaceCardAt, AnswersTheTopmostCardAtExactlyThatPlace) {
    Board board = dealtBoard();
    const Face& face = *board.face(0);
    const struct { double x, y; int level; } cases[] = {
        {5, 2, 2}, {7.5, 4.5, 5}, {7, 4, 4}, {4, 2, 1}, {6, 3, 3}, {14, 4.5, 1}};
    for (const auto& c : cases) {
        const Card* card = face.cardAt(makePlace(c.x, c.y));
        ASSERT_NE(card, nullptr) << c.x << "," << c.y;
        EXPECT_EQ(card->level, c.level) << c.x << "," << c.y;
        EXPECT_EQ(card->place, makePlace(c.x, c.y));
    }
    EXPECT_EQ(face.cardAt(makePlace(1, 1)), nullptr);
    EXPECT_EQ(face.cardAt(makePlace(7, 4.5)), nullptr);
    EXPECT_EQ(Face{}.cardAt(makePlace(2, 1)), nullptr);
}

TEST(FaceCardAt, NoPlaceOnAZeroCoordinateIsEverSearched) {
    Face face;
    face.layers.push_back(Layer{1, {}});
    auto stray = std::make_unique<Card>();
    stray->place = makePlace(0, 5);
    face.layers[0].cards.push_back(std::move(stray));
    EXPECT_EQ(face.cardAt(makePlace(0, 5)), nullptr);
}

TEST(FaceCardAt, RemovingTheUpperCardUncoversTheOneBeneath) {
    Board board = dealtBoard();
    Face& face = *board.face(2);
    Layer& second = face.layers[1];
    const Card* upper = second.cardAt(5, 2);
    ASSERT_NE(upper, nullptr);
    const Card* nextInLayer = second.cards[1].get();
    second.remove(upper);
    EXPECT_EQ(second.cards.size(), 35u);
    EXPECT_EQ(second.cards[0].get(), nextInLayer);  // the others keep their order
    const Card* found = face.cardAt(makePlace(5, 2));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->level, 1);
    EXPECT_EQ(found, face.layers[0].cardAt(5, 2));
}

TEST(LayerRemove, ACardNotInTheLayerChangesNothing) {
    Board board = dealtBoard();
    Layer& bottom = board.face(0)->layers[0];
    Card stranger;
    stranger.value = 99;
    stranger.place = makePlace(2, 1);
    bottom.remove(&stranger);
    bottom.remove(nullptr);
    EXPECT_EQ(bottom.cards.size(), 87u);
}

TEST(BoardRecords, StartsWithSixEmptyFacesAndResetsToThem) {
    Board board;
    ASSERT_EQ(board.faces.size(), FaceCount);
    for (uint8_t f = 0; f < FaceCount; ++f) EXPECT_TRUE(board.face(f)->layers.empty());
    EXPECT_EQ(board.face(6), nullptr);

    Random random;
    random.seed(3);
    dealBoard(board, random);
    EXPECT_EQ(board.cardCount(), 864u);
    board.reset();
    EXPECT_EQ(board.cardCount(), 0u);
    ASSERT_EQ(board.faces.size(), FaceCount);
    for (uint8_t f = 0; f < FaceCount; ++f) {
        EXPECT_TRUE(board.face(f)->layers.empty());
        for (const Place& p : startingFreePlaces()) EXPECT_EQ(board.face(f)->cardAt(p), nullptr);
    }
}

TEST(BoardRecords, RenumberFaceRewritesEveryCardOfThatFaceOnly) {
    Board board = dealtBoard();
    board.renumberFace(3, 5);
    for (uint8_t f = 0; f < FaceCount; ++f) {
        for (const Layer& layer : board.face(f)->layers) {
            for (const auto& card : layer.cards) EXPECT_EQ(card->face, f == 3 ? 5 : f);
        }
    }
    board.renumberFace(6, 1);  // no such face: nothing to rewrite
    EXPECT_EQ(board.cardCount(), 864u);
}

}  // namespace
}  // namespace pelmora
