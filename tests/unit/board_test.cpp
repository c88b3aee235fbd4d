// The cube's layout, the deal, and which removals free which cards.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>

#include "play_rig.h"
#include "unit/game_rig.h"

namespace pelmora {
namespace {

TEST(Layout, PlacesOfEveryLevel) {
    const struct { uint8_t level; uint32_t n; double x, y; } cases[] = {
        {1, 0, 2, 1},     {1, 11, 13, 1},   {1, 12, 2, 4},  {1, 24, 2, 5},  {1, 47, 13, 8},
        {1, 48, 4, 2},    {1, 63, 11, 7},   {1, 64, 3, 3},  {1, 83, 12, 6}, {1, 84, 1, 4.5},
        {1, 85, 14, 4.5}, {1, 86, 15, 4.5}, {2, 0, 5, 2},   {2, 35, 10, 7}, {3, 0, 6, 3},
        {3, 15, 9, 6},    {4, 1, 8, 4},     {4, 2, 7, 5},   {5, 0, 7.5, 4.5}, {6, 0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(placeFor(c.level, c.n), makePlace(c.x, c.y)) << int(c.level) << " n " << c.n;
}

TEST(Layout, CardAtAnswersTheTopmostCardAtExactlyThatPlace) {
    PlayRig rig;
    rig.deal();
    Face& face = *rig.board.face(0);
    const struct { double x, y; int level; } cases[] = {
        {5, 2, 2}, {7.5, 4.5, 5}, {7, 4, 4}, {4, 2, 1}, {6, 3, 3}, {14, 4.5, 1}, {1, 1, 0},
        {7, 4.5, 0}};
    for (const auto& c : cases) {
        const Card* card = face.cardAt(makePlace(c.x, c.y));
        EXPECT_EQ(card ? card->level : 0, c.level) << c.x << "," << c.y;
        EXPECT_TRUE(!card || card->place == makePlace(c.x, c.y));
    }
    face.layers[1].remove(face.layers[1].cardAt(5, 2));
    EXPECT_EQ(face.cardAt(makePlace(5, 2)), face.layers[0].cardAt(5, 2));
    face.layers[0].cards[0]->place = makePlace(0, 5);  // no card may lie there: never searched
    EXPECT_EQ(face.cardAt(makePlace(0, 5)), nullptr);
}

// The generator is the game's own, so a seed deals the same cube on every
// system: the first cards of the front and back faces dealt at 2026-01-01 00:00 UTC.
TEST(Deal, ANewGameDealsEveryFaceFromOnePermutationOfTheCalendarSeed) {
    GameRig rig;
    dealBoard(rig.game.board, rig.game.random);  // an earlier game: none of it may stay
    rig.sys.seconds = 1767225600;
    rig.game.clock.started = true;
    rig.game.score = {5, 2};
    dealNewGame(rig.game);
    EXPECT_TRUE(rig.game.clock.countdownTens == 3 && !rig.game.clock.started);
    EXPECT_EQ(rig.game.score, ScoreDigits{0});

    Random shuffle;
    shuffle.seed(1767225600);
    DealSequence perm;
    fillPermutation(perm, 864, shuffle);
    const size_t sizes[] = {87, 36, 16, 4, 1};
    std::array<int, 52> counts{};
    std::vector<uint32_t> ends;
    size_t i = 0;
    for (uint8_t f = 0; f < FaceCount; ++f) {
        const Face& face = *rig.game.board.face(f);
        ASSERT_EQ(face.layers.size(), LevelCount);
        for (uint8_t k = 0; k < LevelCount; ++k) {
            const Layer& layer = face.layers[k];
            ASSERT_EQ(layer.cards.size(), sizes[k]);
            for (uint32_t n = 0; n < sizes[k]; ++n, ++i) {
                const Card& card = *layer.cards[n];
                ASSERT_EQ(card.value, perm[i] % 52) << "card " << i;
                ASSERT_TRUE(card.level == k + 1 && card.face == f && !card.selected) << i;
                ASSERT_EQ(card.place, placeFor(card.level, n));
                ++counts.at(card.value);
                if (k == 0 && n < 6 && (f == 0 || f == 5)) ends.push_back(card.value);
                // Free: on top with an open side, but for the bottom cards beside the half
                // row and the level-4 cards under the top one.
                const Place p = card.place;
                const bool open = !layer.cardAt(p.x - 1, p.y) || !layer.cardAt(p.x + 1, p.y);
                const bool barred = k == 3 || (k == 0 && p.y >= 4 && p.y <= 5 &&
                                               (p.x == 2 || p.x == 13 || p.x == 14));
                EXPECT_EQ(card.free, face.cardAt(p) == &card && open && !barred) << "card " << i;
            }
        }
    }
    for (uint32_t value = 0; value < 52; ++value) EXPECT_EQ(counts[value], value < 32 ? 17 : 16);
    EXPECT_EQ(ends, (std::vector<uint32_t>{9, 47, 51, 4, 12, 25, 28, 31, 37, 46, 14, 42}));
}

struct Spot { int level; double x, y; };

// Throws when the card is missing, so that a broken layout fails the test
// instead of bringing the runner down.
Card* at(const Face& face, Spot s) {
    if (Card* card = face.layers.at(size_t(s.level - 1)).cardAt(s.x, s.y)) return card;
    throw std::out_of_range("no card at " + std::to_string(s.x) + "," + std::to_string(s.y));
}

TEST(CoverRule, RemovalsFreeTheCardsTheyOpenAndFreeCardsAloneClearAFace) {
    // Spot top: the card a click at its place reaches.
    const struct { std::vector<Spot> removed, freed, locked; Spot top; } cases[] = {
        {{{5, 7.5, 4.5}}, {{4, 7, 4}, {4, 8, 4}, {4, 7, 5}, {4, 8, 5}}, {}, {}},
        {{{1, 2, 1}}, {{1, 3, 1}}, {{1, 4, 1}}, {}},
        {{{1, 1, 4.5}}, {{1, 2, 4}, {1, 2, 5}}, {}, {}},
        {{{1, 13, 4}}, {{1, 14, 4.5}}, {}, {}},
        {{{1, 13, 5}}, {{1, 14, 4.5}}, {}, {}},
        {{{1, 15, 4.5}}, {{1, 14, 4.5}}, {}, {}},
        // Both sides of the card beneath stay taken; the neighbour on top opens.
        {{{2, 5, 2}}, {{2, 6, 2}}, {{1, 5, 2}}, {}},
        // Freed while still covered, yet a click reaches only the card on it.
        {{{1, 4, 2}}, {{1, 5, 2}}, {}, {2, 5, 2}},
        // The fourth level stays locked while the top card lies across it.
        {{{3, 6, 4}}, {{3, 7, 4}}, {{4, 7, 4}}, {4, 7, 4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        PlayRig rig;
        rig.deal();
        Face& face = *rig.board.face(1);
        for (const Spot& s : c.removed) face.removeCard(at(face, s));
        for (const Spot& s : c.freed) EXPECT_TRUE(at(face, s)->free) << s.x << "," << s.y;
        for (const Spot& s : c.locked) EXPECT_FALSE(at(face, s)->free) << s.x << "," << s.y;
        EXPECT_TRUE(!c.top.level || face.cardAt({c.top.x, c.top.y}) == at(face, c.top));
    }
    // Free cards alone clear a face.
    PlayRig rig;
    rig.deal();
    Face& face = *rig.board.face(1);
    for (auto playable = playableCards(face); !playable.empty(); playable = playableCards(face))
        face.removeCard(playable.front());
    EXPECT_EQ(face.cardCount(), 0u);
}

}  // namespace
}  // namespace pelmora
