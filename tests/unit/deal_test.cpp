#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "board/deal.h"
#include "frame/game.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {
namespace {

Board dealtBoard(uint32_t seed) {
    Board board;
    Random random;
    random.seed(seed);
    dealBoard(board, random);
    return board;
}

// Every card on the cube, face by face in deal order.
std::vector<Card*> cardsOf(const Board& board) {
    std::vector<Card*> cards;
    for (const auto& face : board.faces) {
        for (const Layer& layer : face->layers) {
            for (const auto& card : layer.cards) cards.push_back(card.get());
        }
    }
    return cards;
}

std::vector<uint32_t> valuesOf(const Board& board) {
    std::vector<uint32_t> values;
    for (const Card* c : cardsOf(board)) values.push_back(c->value);
    return values;
}

TEST(DealLayers, EveryFaceGetsFiveFullLayersOfFreshCards) {
    Board board = dealtBoard(11);
    const size_t sizes[] = {87, 36, 16, 4, 1};
    for (uint8_t f = 0; f < FaceCount; ++f) {
        ASSERT_EQ(board.face(f)->layers.size(), LevelCount);
        for (size_t k = 0; k < LevelCount; ++k) {
            const Layer& layer = board.face(f)->layers[k];
            EXPECT_EQ(layer.level, k + 1);
            ASSERT_EQ(layer.cards.size(), sizes[k]);
            for (uint32_t i = 0; i < sizes[k]; ++i) {
                EXPECT_EQ(layer.cards[i]->place, placeFor(layer.level, i));
                EXPECT_EQ(layer.cards[i]->face, f);
                EXPECT_FALSE(layer.cards[i]->selected);
            }
        }
    }
}

TEST(DealValues, CardsFollowThePermutationModulo52) {
    Random shuffle;
    shuffle.seed(20240611);
    DealSequence perm;
    fillPermutation(perm, 864, shuffle);
    const std::vector<uint32_t> values = valuesOf(dealtBoard(20240611));
    ASSERT_EQ(values.size(), 864u);
    for (size_t i = 0; i < 864; ++i) EXPECT_EQ(values[i], perm[i] % 52) << "card " << i;
    EXPECT_EQ(values, valuesOf(dealtBoard(20240611)));
    EXPECT_NE(values, valuesOf(dealtBoard(20240612)));
}

TEST(DealValues, EachValueLiesOnTheCubeSixteenOrSeventeenTimes) {
    for (uint32_t seed : {0u, 1u, 1700000000u, 0xFFFFFFFFu}) {
        std::array<int, 52> counts{};
        for (uint32_t v : valuesOf(dealtBoard(seed))) ++counts.at(v);
        for (uint32_t v = 0; v < 52; ++v) EXPECT_EQ(counts[v], v < 32 ? 17 : 16) << "value " << v;
    }
}

TEST(DealFreeCards, ExactlyTheStartingPlacesAreFreeOnEveryFace) {
    Board board = dealtBoard(5);
    const auto& starting = startingFreePlaces();
    ASSERT_EQ(starting.size(), 35u);
    for (uint8_t f = 0; f < FaceCount; ++f) {
        const Face& face = *board.face(f);
        for (const Place& p : starting) EXPECT_TRUE(face.cardAt(p)->free) << p.x << "," << p.y;
        for (const Place& p : {makePlace(2, 4), makePlace(13, 4), makePlace(14, 4.5), makePlace(7, 4),
                               makePlace(8, 4), makePlace(7, 5), makePlace(8, 5)}) {
            EXPECT_FALSE(face.cardAt(p)->free) << p.x << "," << p.y;
        }
    }
    const auto cards = cardsOf(board);
    EXPECT_EQ(std::count_if(cards.begin(), cards.end(), [](const Card* c) { return c->free; }), 6 * 35);
}

TEST(DealFreeCards, ASecondDealLeavesNothingOfTheFirst) {
    Board board = dealtBoard(8);
    // Marked so that any card surviving the second deal would show.
    for (Card* c : cardsOf(board)) c->selected = true;
    Random random;
    random.seed(9);
    dealBoard(board, random);
    EXPECT_EQ(board.cardCount(), 864u);
    for (const Card* c : cardsOf(board)) EXPECT_FALSE(c->selected);
}

TEST(Permutation, EdgeSizes) {
    Random random, reference;
    DealSequence seq{4, 5, 6};
    fillPermutation(seq, 0, random);
    EXPECT_TRUE(seq.empty());
    fillPermutation(seq, 1, random);
    EXPECT_EQ(seq, DealSequence{0});
    reference.next();
    EXPECT_EQ(random.next(), reference.next()) << "n = 1 takes exactly one draw";

    // Wider than one 15-bit draw: every value must still come up.
    fillPermutation(seq, 40000, random);
    std::sort(seq.begin(), seq.end());
    EXPECT_EQ(std::adjacent_find(seq.begin(), seq.end()), seq.end());
    EXPECT_EQ(seq.size(), 40000u);
    EXPECT_EQ(seq.back(), 39999u);

    EXPECT_EQ(sliceOf({10, 11, 12, 13}, 1, 3), (DealSequence{11, 12}));
    EXPECT_EQ(sliceOf({10, 11, 12, 13}, 3, 9), DealSequence{13});
}

TEST(NewGame, SeedsFromTheCalendarAndResetsClockAndScore) {
    FakeSystem system;
    FakeRenderer renderer;
    Game game(system, renderer);
    system.seconds = 1234567;
    game.clock.countdownTens = 0;
    game.clock.started = true;
    game.score = {5, 2};
    dealNewGame(game);
    EXPECT_EQ(valuesOf(game.board), valuesOf(dealtBoard(1234567)));
    EXPECT_EQ(game.clock.countdownTens, 3u);
    EXPECT_FALSE(game.clock.started);
    EXPECT_EQ(game.score, ScoreDigits{0});
}

}  // namespace
}  // namespace pelmora
