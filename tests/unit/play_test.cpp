// Hand play: hand classes, where pictures lie in the atlas, clicks, drops with
// their dust and points.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "platform/textures.h"
#include "play/drop.h"
#include "play/hand.h"
#include "play/score.h"
#include "play/selection.h"
#include "play_rig.h"
#include "view/atlas.h"

namespace pelmora {
namespace {

using Cards = std::vector<Card*>;
using Places = std::vector<size_t>;  // places in a hand
const ImageCopy BlankAtlas{std::vector<ImageCopy::Pixel>(1024 * 1024), 1024, 1024, ""};
struct HandCase { const char* cards; HandRank rank; std::vector<uint8_t> pairs; const char* set; };

// What the drop reads: the ranks of the pairs, or the values marked as the set.
// The hand is reused, so neither may be left over from the hand before.
TEST(HandClasses, BoundaryHandsInEverySelectionOrder) {
    const HandCase cases[] = {
        {"A3 T3 J3 Q3 K3", RoyalFlush, {}, ""},    {"A0 20 30 40 50", StraightFlush, {}, ""},
        {"93 T3 J3 Q3 K3", StraightFlush, {}, ""}, {"T0 J0 Q0 K0 A1", Straight, {}, ""},
        {"A3 20 31 42 50", Straight, {}, ""},      {"J0 Q1 K2 A3 20", NoHand, {}, ""},  // no wrap
        {"20 50 70 90 K0", Flush, {}, ""},         {"A3 43 83 Q3 K3", Flush, {}, ""},
        {"K0 21 51 71 91", NoHand, {}, ""},        {"K0 K1 K2 50 53", FullHouse, {}, ""},
        {"K1 51 K3 52 K2", FullHouse, {}, ""},     {"20 21 23 A2 A3", FullHouse, {}, ""},
        // One value used twice is no hand, whatever the five would form.
        {"70 70 21 52 93", NoHand, {}, ""},        {"K0 K1 K2 50 50", NoHand, {}, ""},
        {"31 31 32 33 30", NoHand, {}, ""},
        {"70 71 A0 72 73", FourOfAKind, {}, "70 71 72 73"},
        {"K3 50 K1 62 K0", ThreeOfAKind, {}, "K0 K1 K3"},
        {"K2 30 91 33 K0", TwoPair, {3, 3, 13, 13}, ""},
        {"30 31 32 83 90", ThreeOfAKind, {}, "30 31 32"},
        {"K2 A0 91 A3 K0", TwoPair, {1, 1, 13, 13}, ""}, {"A3 40 81 A0 Q2", OnePair, {1, 1}, ""}};
    Hand hand;
    for (const HandCase& c : cases) {
        std::array<Card, 5> picked{};
        Selection selection;
        for (size_t i = 0; i < 5; ++i) {
            picked[i].value = cards(c.cards)[i];
            selection.cards.push_back(&picked[i]);
        }
        do {  // every order of picking the five
            collectHand(hand, selection);
            const HandRank rank = evaluateHand(hand);
            ASSERT_EQ(rank, c.rank) << c.cards << ", first picked " << selection.cards[0]->value;
            if (rank == NoHand || (rank >= Straight && rank != FourOfAKind)) continue;
            std::vector<uint32_t> set;
            for (size_t k = 0; k < 5; ++k) {
                if (hand.inCombination[k]) set.push_back(hand.values[k]);
            }
            ASSERT_TRUE(hand.pairRanks == c.pairs && (!*c.set || set == cards(c.set))) << c.cards;
        } while (std::next_permutation(selection.cards.begin(), selection.cards.end()));
    }
    Hand sorted;  // values go in ascending, a sixth is ignored
    for (int v : {9, 1, 5, 3, 7, 2}) insertSorted(sorted, static_cast<uint8_t>(v));
    EXPECT_EQ(sorted.values, (std::vector<uint8_t>{1, 3, 5, 7, 9}));
}

// Twins on two faces share value, level and place: a release takes the card released.
TEST(Selection, AReleaseTakesTheCardReleasedNotItsTwinOnAnotherFace) {
    Card a{true, true, 0, 7, 1, makePlace(2, 1)}, b{true, true, 1, 7, 1, makePlace(2, 1)};
    Selection selection{{&a, &b}};
    unselectCard(selection, &b);
    EXPECT_TRUE(selection.cards == std::vector<Card*>{&a} && a.selected && !b.selected);
}

TEST(Atlas, CardPicturesAndDigitGlyphsInAtlasPixels) {
    std::array<Card, 67> d{};  // d[v] is the card of value v
    for (uint32_t value = 0; value < d.size(); ++value) d[value].value = value;
    const struct { TexCoord got; double u, v; } cases[] = {
        {cardTexCoord(d[0]), 0, 928},     {cardTexCoord(d[12]), 840, 928},
        {cardTexCoord(d[13]), 0, 833},    {cardTexCoord(d[51]), 840, 643},
        {cardTexCoord(d[66]), 70, 833},  // past the deck: still inside the grid
        {cardTexCoordTopRight(d[0]), 71, 1024}, {cardTexCoordTopLeft(d[51]), 840, 739},
        {cardTexCoordBottomRight(d[51]), 911, 643}, {digitTexCoord(0), 596, 56},
        {digitTexCoord(3), 713, 56},      {digitTexCoord(9), 983, 56},
        {digitTexCoord(10), 464, 56},     {digitTexCoord(0x80000000u), 464, 56}};
    for (const auto& c : cases)
        EXPECT_TRUE(c.got.u * 1024 == c.u && c.got.v * 1024 == c.v) << "case " << (&c - cases);
}

constexpr size_t DustPerCard = 1728;

struct DropTest : ::testing::Test, PlayRig {
    Cards spare;  // playable front-face cards not used yet, next one last

    void SetUp() override {
        deal();
        cloud.cardImage = &BlankAtlas;
        spare = playableCards(*board.face(0));
    }

    // Clicks front-face cards given these values, in this order.
    Cards pick(const char* values) {
        Cards picked;
        for (uint32_t value : cards(values)) {
            if (spare.empty()) throw std::runtime_error("no free card left to pick");
            picked.push_back(spare.back());
            spare.pop_back();
            picked.back()->value = value;
            toggle(picked.back());
        }
        return picked;
    }

    // Drops, and tells by place in the hand which cards left, in the order
    // their dust was laid, each card's grid from the bottom left of its tile.
    // Cards are destroyed, so only what was taken from them before is read.
    Places dropAndWatch(const Cards& cards, bool dropping) {
        std::vector<std::pair<double, double>> corners;
        for (const Card* c : cards)
            corners.push_back({(c->place.x - 1) * 0.75 - 5.25, 4.0 - c->place.y});
        EXPECT_EQ(dropSelection(play), dropping);
        const auto& dust = cloud.particles;
        Places order;
        for (size_t start = 0; start < dust.size(); start += DustPerCard) {
            const auto at = std::find(corners.begin(), corners.end(),
                                      std::make_pair(dust[start].x, dust[start].y));
            order.push_back(size_t(at - corners.begin()));
        }
        clearParticles(cloud);
        return order;
    }
};

// Five in click order, a sixth replaces the oldest, a selected card clicked
// again leaves alone, a locked card or none changes nothing. Then a card
// picked before the cube turned it away completes the hand: it leaves unseen.
TEST_F(DropTest, ClicksKeepThePickOrderAndCardsAwayFromTheFrontLeaveWithoutDust) {
    const Cards c = pick("A0 20 30 40 50 60");
    toggle(c[3]);
    EXPECT_EQ(selection.cards, (Cards{c[1], c[2], c[4], c[5]}));
    EXPECT_TRUE(selectedCardAt(selection, 3) == c[5] && !selectedCardAt(selection, 4));
    toggle(c[3]);
    toggle(board.face(0)->cardAt(makePlace(8, 4)));
    toggle(nullptr);
    EXPECT_EQ(selection.cards, (Cards{c[1], c[2], c[4], c[5], c[3]}));
    EXPECT_EQ(std::count(system.cues.begin(), system.cues.end(), "sounds\\select.wav"), 8);
    EXPECT_EQ(system.cues.back(), "sounds\\unselectable.wav");

    toggle(c[1]);
    Card* away = playableCards(*board.face(2)).front();
    away->value = cards("20")[0];
    toggle(away);
    ASSERT_TRUE(dropSelection(play));  // a straight flush
    EXPECT_EQ(cloud.particles.size(), 4 * DustPerCard);
    EXPECT_EQ(board.face(2)->cardCount(), CardsPerFace - 1);
}

// One game of drops: each row picks cards around the kickers the drop before
// left and names, by place in the selection, the cards that leave in order and
// those that stay selected. Failed drops change nothing; the caller clears.
TEST_F(DropTest, EachClassTakesItsCardsInOrderAndKickersStay) {
    const struct { const char* picks; Places leave, keep; ScoreDigits before, after; } rows[] = {
        {"", {}, {}, {5}, {5}},  {"20 21 22 23", {}, {0, 1, 2, 3}, {5}, {5}},
        {"20 51 92 J3 K0", {}, {0, 1, 2, 3, 4}, {5}, {5}},  // no hand
        {"70 70 71 32 93", {}, {0, 1, 2, 3, 4}, {5}, {5}},  // a value used twice
        {"30 Q1 92 Q3 A0", {1, 3}, {0, 2, 4}, {9, 9}, {0, 0, 1}},
        {"32 91", {0, 3, 1, 4}, {2}, {0}, {2}},
        {"63 60 T2 61", {2, 4, 1}, {0, 3}, {0}, {3}},
        {"T3 T0 T1", {3, 4, 1, 2}, {0}, {5, 9}, {2, 0, 1}},
        {"K0 J0 Q0 T0", {4, 3, 2, 1, 0}, {}, {9}, {8, 1}}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.picks);
        pick(row.picks);
        const Cards picked = selection.cards;
        score = row.before;
        const uint32_t count = board.cardCount();
        EXPECT_EQ(dropAndWatch(picked, !row.leave.empty()), row.leave);
        Cards kept;
        for (size_t n : row.keep) kept.push_back(picked.at(n));
        EXPECT_EQ(selection.cards, kept);
        EXPECT_EQ(board.cardCount(), count - row.leave.size());
        EXPECT_EQ(score, row.after);
        if (row.leave.empty()) clearSelection(selection);
    }
}

// A full house leaves whole like a straight, newest first, though the search
// for four of a kind marked its cards.
TEST_F(DropTest, AFullHouseLeavesWholeNewestFirst) {
    const Cards picked = pick("K0 K1 50 K2 51");
    EXPECT_EQ(dropAndWatch(picked, true), (Places{4, 3, 2, 1, 0}));
    EXPECT_TRUE(selection.cards.empty() && score == ScoreDigits{6});
}

// Each pixel of this image holds its column in red and its row in green. It
// is too small for the pictures: the king of suit 0 samples from column 164
// and row 226 on, past the right and top edges, where it takes the edge pixels.
TEST_F(DropTest, DustGridSamplesEverySecondTexelButNeverOutsideTheKeptImage) {
    ImageCopy small{{}, 200, 250, ""};
    for (int row = 0; row < 250; ++row)
        for (int col = 0; col < 200; ++col) small.pixels.push_back({0, uint8_t(row), uint8_t(col)});
    cloud.cardImage = &small;
    Card king = *spare.back();
    king.value = cards("K0")[0];
    spawnCardParticles(cloud, random, king);
    const auto& dust = cloud.particles;
    ASSERT_EQ(dust.size(), DustPerCard);
    const auto sampled = [&](size_t col, size_t row) {
        return std::make_pair(int(dust[col * 48 + row].red), int(dust[col * 48 + row].green));
    };
    EXPECT_EQ(sampled(5, 3), std::make_pair(164 + 10, 226 + 6));
    EXPECT_EQ(sampled(35, 0), std::make_pair(199, 226));
    EXPECT_EQ(sampled(35, 47), std::make_pair(199, 249));
    const Particle &p0 = dust.front(), &pn = dust.back();
    // 36 columns and 48 rows 0.02 apart, at the height of the card's top
    EXPECT_TRUE(std::abs(pn.x - p0.x - 0.7) < 1e-9 && std::abs(pn.y - p0.y - 0.94) < 1e-9);
    EXPECT_TRUE(p0.z == king.level * 0.4 + 10 && pn.z == p0.z);
    const auto byLife = [](const Particle& a, const Particle& b) { return a.life < b.life; };
    const auto lives = std::minmax_element(dust.begin(), dust.end(), byLife);
    EXPECT_TRUE(lives.first->life == 1 && lives.second->life == 60);

    // No image, an empty one, or one shorter than its size says: no dust.
    clearParticles(cloud);
    ImageCopy empty, truncated{std::vector<ImageCopy::Pixel>(1000), 64, 64, ""};
    for (ImageCopy* image : {&empty, &truncated, static_cast<ImageCopy*>(nullptr)}) {
        cloud.cardImage = image;
        spawnCardParticles(cloud, random, king);
    }
    EXPECT_TRUE(cloud.particles.empty());
}

}  // namespace
}  // namespace pelmora
