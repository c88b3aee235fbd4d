#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>

#include "board/board.h"
#include "play/hand.h"
#include "play/selection.h"

namespace pelmora {
namespace {

// Rank 1 (ace) to 13 (king), suit 0..3.
uint32_t v(uint32_t rank, uint32_t suit) { return suit * 13 + rank - 1; }

using Values = std::array<uint32_t, 5>;

struct Outcome {
    HandRank rank = NoHand;
    std::vector<uint8_t> pairRanks;
    std::set<uint32_t> marked;  // the values whose positions are marked
};

// Selects the five values in the given order and evaluates them.
Outcome evaluate(const Values& values) {
    std::array<Card, 5> cards{};
    Selection selection;
    for (size_t i = 0; i < 5; ++i) {
        cards[i].value = values[i];
        selection.cards.push_back(&cards[i]);
    }
    Hand hand;
    collectHand(hand, selection);
    Outcome out{evaluateHand(hand), hand.pairRanks, {}};
    for (size_t k = 0; k < 5; ++k) {
        if (hand.inCombination[k]) out.marked.insert(hand.values[k]);
    }
    return out;
}

TEST(HandValues, CollectedAscendingAndAtMostFive) {
    Hand hand;
    for (uint8_t value : {40, 3, 17, 3, 51, 0}) insertSorted(hand, value);
    EXPECT_EQ(hand.values, (std::vector<uint8_t>{3, 3, 17, 40, 51}));
    EXPECT_TRUE(hasRepeatedCard(hand));
    hand.values.pop_back();
    EXPECT_EQ(evaluateHand(hand), NoHand);  // four values are no hand
}

TEST(HandClasses, BoundaryHands) {
    const std::vector<std::pair<Values, HandRank>> cases = {
        {{v(1, 2), v(10, 2), v(11, 2), v(12, 2), v(13, 2)}, RoyalFlush},
        {{v(1, 3), v(10, 3), v(11, 3), v(12, 3), v(13, 3)}, RoyalFlush},
        {{v(1, 0), v(2, 0), v(3, 0), v(4, 0), v(5, 0)}, StraightFlush},
        {{v(9, 3), v(10, 3), v(11, 3), v(12, 3), v(13, 3)}, StraightFlush},
        {{v(10, 0), v(11, 0), v(12, 0), v(13, 0), v(1, 1)}, Straight},
        {{v(1, 3), v(2, 0), v(3, 1), v(4, 2), v(5, 0)}, Straight},
        {{v(11, 0), v(12, 1), v(13, 2), v(1, 3), v(2, 0)}, NoHand},  // no wrap-around
        {{v(13, 0), v(1, 1), v(2, 2), v(3, 3), v(4, 0)}, NoHand},
        {{v(2, 0), v(5, 0), v(7, 0), v(9, 0), v(13, 0)}, Flush},
        {{v(1, 3), v(4, 3), v(8, 3), v(12, 3), v(13, 3)}, Flush},
        {{v(13, 0), v(2, 1), v(5, 1), v(7, 1), v(9, 1)}, NoHand},  // a king ends its suit
        {{v(2, 0), v(5, 1), v(9, 2), v(11, 3), v(13, 0)}, NoHand},
        // One value used twice is no hand, whatever the five would form.
        {{v(7, 0), v(7, 0), v(2, 1), v(5, 2), v(9, 3)}, NoHand},
        {{v(7, 0), v(7, 1), v(2, 2), v(2, 2), v(9, 3)}, NoHand},
        {{v(7, 0), v(7, 0), v(7, 1), v(2, 2), v(9, 3)}, NoHand},
        {{v(13, 0), v(13, 1), v(13, 2), v(5, 0), v(5, 0)}, NoHand},
        {{v(3, 1), v(3, 1), v(3, 2), v(3, 3), v(3, 0)}, NoHand},
        {{v(2, 1), v(5, 1), v(5, 1), v(9, 1), v(11, 1)}, NoHand},
    };
    for (const auto& [values, rank] : cases) {
        EXPECT_EQ(evaluate(values).rank, rank) << values[0] << " " << values[1] << " "
                                               << values[2] << " " << values[3] << " " << values[4];
    }
}

TEST(HandClasses, FullHouseInEverySuitArrangementOtherwiseThreeOfAKind) {
    for (uint32_t missing = 0; missing < 4; ++missing) {
        std::vector<uint32_t> kings;
        for (uint32_t s = 0; s < 4; ++s) {
            if (s != missing) kings.push_back(v(13, s));
        }
        for (uint32_t a = 0; a < 4; ++a) {
            for (uint32_t b = 0; b < 4; ++b) {
                if (a < b) {
                    EXPECT_EQ(evaluate({kings[0], kings[1], kings[2], v(5, a), v(5, b)}).rank,
                              FullHouse);
                }
                const Outcome three = evaluate({kings[0], v(5, a), kings[1], v(6, b), kings[2]});
                EXPECT_EQ(three.rank, ThreeOfAKind);
                EXPECT_EQ(three.marked, std::set<uint32_t>(kings.begin(), kings.end()));
                EXPECT_TRUE(three.pairRanks.empty());
            }
        }
    }
    EXPECT_EQ(evaluate({v(2, 0), v(2, 1), v(2, 3), v(1, 2), v(1, 3)}).rank, FullHouse);
}

TEST(HandClasses, FourOfAKindMarksTheFourAndNotTheKicker) {
    for (uint32_t kicker : {v(1, 0), v(2, 3), v(13, 1), v(13, 3)}) {
        const Outcome out = evaluate({v(7, 0), v(7, 1), kicker, v(7, 2), v(7, 3)});
        EXPECT_EQ(out.rank, FourOfAKind);
        EXPECT_EQ(out.marked, (std::set<uint32_t>{v(7, 0), v(7, 1), v(7, 2), v(7, 3)}));
        EXPECT_TRUE(out.pairRanks.empty());
    }
}

TEST(HandClasses, PairsLeaveTheirRanksLowerPairFirst) {
    Outcome out = evaluate({v(13, 2), v(3, 0), v(9, 1), v(3, 3), v(13, 0)});
    EXPECT_EQ(out.rank, TwoPair);
    EXPECT_EQ(out.pairRanks, (std::vector<uint8_t>{3, 3, 13, 13}));
    out = evaluate({v(13, 2), v(1, 0), v(9, 1), v(1, 3), v(13, 0)});
    EXPECT_EQ(out.pairRanks, (std::vector<uint8_t>{1, 1, 13, 13}));
    out = evaluate({v(1, 3), v(4, 0), v(8, 1), v(1, 0), v(12, 2)});
    EXPECT_EQ(out.rank, OnePair);
    EXPECT_EQ(out.pairRanks, (std::vector<uint8_t>{1, 1}));
}

TEST(HandClasses, MarksAndPairRanksNeverCarryOverToTheNextHand) {
    std::array<Card, 5> cards{};
    Selection selection;
    for (auto& c : cards) selection.cards.push_back(&c);
    Hand hand;
    const auto rank = [&](const Values& values) {
        for (size_t i = 0; i < 5; ++i) cards[i].value = values[i];
        collectHand(hand, selection);
        return evaluateHand(hand);
    };
    ASSERT_EQ(rank({v(2, 0), v(2, 1), v(2, 2), v(2, 3), v(9, 0)}), FourOfAKind);
    ASSERT_EQ(rank({v(3, 0), v(3, 1), v(8, 2), v(8, 3), v(9, 0)}), TwoPair);
    ASSERT_EQ(rank({v(3, 0), v(3, 1), v(3, 2), v(8, 3), v(9, 0)}), ThreeOfAKind);
    EXPECT_TRUE(hand.pairRanks.empty());
    // Ascending: 3 of suit 0, 9 of suit 0, 3 of suit 1, 3 of suit 2, 8 of suit 3.
    EXPECT_EQ(hand.inCombination, (std::array<bool, 5>{true, false, true, true, false}));
}

TEST(HandClasses, SelectionOrderNeverChangesTheResult) {
    const std::vector<Values> hands = {
        {v(1, 1), v(10, 1), v(11, 1), v(12, 1), v(13, 1)},
        {v(4, 0), v(4, 1), v(4, 2), v(4, 3), v(12, 1)},
        {v(13, 3), v(13, 1), v(13, 0), v(5, 2), v(5, 0)},
        {v(1, 0), v(10, 3), v(11, 2), v(12, 1), v(13, 0)},
        {v(9, 0), v(9, 3), v(9, 1), v(1, 2), v(13, 2)},
        {v(6, 0), v(6, 3), v(11, 1), v(11, 2), v(1, 2)},
        {v(12, 0), v(12, 3), v(2, 1), v(7, 2), v(8, 2)},
        {v(12, 0), v(12, 0), v(2, 1), v(7, 2), v(8, 2)},
    };
    for (const Values& hand : hands) {
        const Outcome first = evaluate(hand);
        std::array<size_t, 5> order{0, 1, 2, 3, 4};
        while (std::next_permutation(order.begin(), order.end())) {
            const Outcome again = evaluate({hand[order[0]], hand[order[1]], hand[order[2]],
                                            hand[order[3]], hand[order[4]]});
            ASSERT_EQ(again.rank, first.rank);
            ASSERT_EQ(again.pairRanks, first.pairRanks);
            ASSERT_EQ(again.marked, first.marked);
        }
    }
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool SanitizedBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool SanitizedBuild = true;
#else
constexpr bool SanitizedBuild = false;
#endif
#else
constexpr bool SanitizedBuild = false;
#endif

// Every five-card hand of one deck, counted by class, against the well-known
// totals of poker (with the royal flush counted apart from straight flushes).
TEST(HandClasses, EveryHandOfOneDeckFallsIntoItsKnownClassCount) {
    if (SanitizedBuild) GTEST_SKIP() << "minutes under the sanitizers; the plain build runs it";
    std::array<uint32_t, 10> counts{};
    Hand hand;
    for (uint8_t a = 0; a < 52; ++a)
        for (uint8_t b = a + 1; b < 52; ++b)
            for (uint8_t c = b + 1; c < 52; ++c)
                for (uint8_t d = c + 1; d < 52; ++d)
                    for (uint8_t e = d + 1; e < 52; ++e) {
                        hand.values = {a, b, c, d, e};
                        ++counts[evaluateHand(hand)];
                    }
    EXPECT_EQ(counts, (std::array<uint32_t, 10>{1302540, 1098240, 123552, 54912, 10200, 5108, 3744,
                                                624, 36, 4}));
}

}  // namespace
}  // namespace pelmora
