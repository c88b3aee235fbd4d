#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "board/deal.h"
#include "frame/game.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {
namespace {

template <typename Visit>
void forEachCard(const Face& face, Visit visit) {
    for (const Layer& layer : face.layers) {
        for (const auto& card : layer.cards) visit(*card);
    }
}

Board dealtBoard(uint32_t seed) {
    Board board;
    Random random;
    random.seed(seed);
    dealBoard(board, random);
    return board;
}

// Every value on the cube in deal order, face by face.
std::vector<uint32_t> valuesOf(const Board& board) {
    std::vector<uint32_t> values;
    for (const auto& face : board.faces) forEachCard(*face, [&](const Card& c) { values.push_back(c.value); });
    return values;
}

bool isStartingFreePlace(const Place& p) {
    const auto& places = startingFreePlaces();
    return std::find(places.begin(), places.end(), p) != places.end();
}

TEST(DealLayers, EveryFaceGetsFiveFullLayersOfFreshCards) {
    Board board = dealtBoard(11);
    EXPECT_EQ(board.cardCount(), 864u);
    const size_t sizes[] = {87, 36, 16, 4, 1};
    for (uint8_t f = 0; f < FaceCount; ++f) {
        const Face& face = *board.face(f);
        ASSERT_EQ(face.layers.size(), LevelCount);
        for (size_t k = 0; k < LevelCount; ++k) {
            const Layer& layer = face.layers[k];
            EXPECT_EQ(layer.level, k + 1);
            ASSERT_EQ(layer.cards.size(), sizes[k]);
            for (uint32_t i = 0; i < layer.cards.size(); ++i) {
                EXPECT_EQ(layer.cards[i]->place, placeFor(layer.level, i));
                EXPECT_EQ(layer.cards[i]->level, layer.level);
            }
        }
        forEachCard(face, [&](const Card& c) {
            EXPECT_EQ(c.face, f);
            EXPECT_FALSE(c.selected);
        });
    }
}

TEST(DealValues, CardsFollowThePermutationModulo52) {
    const uint32_t seed = 20240611;
    Random shuffle;
    shuffle.seed(seed);
    DealSequence perm;
    fillPermutation(perm, 864, shuffle);
    Board board = dealtBoard(seed);
    for (uint8_t f = 0; f < FaceCount; ++f) {
        uint32_t i = 0;
        forEachCard(*board.face(f), [&](const Card& c) {
            EXPECT_EQ(c.value, perm[144u * f + i] % 52) << "face " << int(f) << " card " << i;
            ++i;
        });
    }
}

TEST(DealValues, EachValueLiesOnTheCubeSixteenOrSeventeenTimes) {
    for (uint32_t seed : {0u, 1u, 1700000000u, 0xFFFFFFFFu}) {
        Board board = dealtBoard(seed);
        std::array<int, 52> counts{};
        for (uint8_t f = 0; f < FaceCount; ++f) {
            forEachCard(*board.face(f), [&](const Card& c) {
                ASSERT_LT(c.value, 52u);
                ++counts[c.value];
            });
        }
        for (uint32_t v = 0; v < 52; ++v) EXPECT_EQ(counts[v], v < 32 ? 17 : 16) << "value " << v;
    }
}

TEST(DealValues, TheSameSeedDealsTheSameCubeAndAnotherDoesNot) {
    EXPECT_EQ(valuesOf(dealtBoard(42)), valuesOf(dealtBoard(42)));
    EXPECT_NE(valuesOf(dealtBoard(42)), valuesOf(dealtBoard(43)));
}

TEST(DealFreeCards, ExactlyTheStartingPlacesAreFree) {
    ASSERT_EQ(startingFreePlaces().size(), 35u);
    Board board = dealtBoard(5);
    for (uint8_t f = 0; f < FaceCount; ++f) {
        const Face& face = *board.face(f);
        int freeCount = 0;
        forEachCard(face, [&](const Card& c) {
            if (!c.free) return;
            ++freeCount;
            EXPECT_TRUE(isStartingFreePlace(c.place)) << c.place.x << "," << c.place.y;
            EXPECT_EQ(face.cardAt(c.place), &c) << "a free card lies beneath another";
        });
        EXPECT_EQ(freeCount, 35);
        for (const Place& p : {makePlace(2, 4), makePlace(2, 5), makePlace(13, 4),
                               makePlace(13, 5), makePlace(14, 4.5)}) {
            EXPECT_FALSE(face.cardAt(p)->free) << p.x << "," << p.y;
        }
        for (const auto& card : face.layers[3].cards) EXPECT_FALSE(card->free);
        EXPECT_TRUE(face.layers[4].cards[0]->free);
    }
}

TEST(DealFreeCards, ASecondDealLeavesNothingOfTheFirst) {
    Board board = dealtBoard(8);
    // Marked so that any card surviving the second deal would show.
    for (auto& face : board.faces) {
        for (Layer& layer : face->layers) {
            for (auto& card : layer.cards) card->selected = true;
        }
    }
    Random random;
    random.seed(9);
    dealBoard(board, random);
    EXPECT_EQ(board.cardCount(), 864u);
    for (auto& face : board.faces) forEachCard(*face, [](const Card& c) { EXPECT_FALSE(c.selected); });
}

TEST(Permutation, EmptyAndSingleSets) {
    Random random;
    DealSequence seq{4, 5, 6};
    fillPermutation(seq, 0, random);
    EXPECT_TRUE(seq.empty());

    Random reference;
    reference.next();
    fillPermutation(seq, 1, random);
    EXPECT_EQ(seq, DealSequence{0});
    EXPECT_EQ(random.next(), reference.next()) << "n = 1 takes exactly one draw";
}

TEST(Permutation, SetsWiderThanOneDrawStillComplete) {
    Random random;
    random.seed(77);
    DealSequence seq;
    fillPermutation(seq, 40000, random);
    std::vector<bool> seen(40000, false);
    for (uint32_t v : seq) {
        ASSERT_LT(v, 40000u);
        EXPECT_FALSE(seen[v]);
        seen[v] = true;
    }
    EXPECT_EQ(seq.size(), 40000u);
}

TEST(Permutation, SliceTakesTheHalfOpenRangeAndStaysInside) {
    const DealSequence source{10, 11, 12, 13, 14};
    EXPECT_EQ(sliceOf(source, 1, 4), (DealSequence{11, 12, 13}));
    EXPECT_EQ(sliceOf(source, 3, 9), (DealSequence{13, 14}));
    EXPECT_TRUE(sliceOf(source, 7, 9).empty());
    EXPECT_TRUE(sliceOf(source, 4, 2).empty());
}

TEST(NewGame, SeedsFromTheCalendarAndResetsClockAndScore) {
    FakeSystem system;
    FakeRenderer renderer;
    Game game(system, renderer);
    system.seconds = 1234567;
    game.clock.countdownTens = 0;
    game.clock.secondsUnits = 7;
    game.clock.started = true;
    game.score = {5, 2};

    dealNewGame(game);

    EXPECT_EQ(game.board.cardCount(), 864u);
    EXPECT_EQ(valuesOf(game.board), valuesOf(dealtBoard(1234567)));
    EXPECT_EQ(game.clock.countdownTens, 3u);
    EXPECT_EQ(game.clock.secondsUnits, 0u);
    EXPECT_FALSE(game.clock.started);
    EXPECT_EQ(game.score, ScoreDigits{0});
}

}  // namespace
}  // namespace pelmora
