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
    std::set<uint32_t> markedValues;  // the values whose positions are marked
};

// Selects the five values in the given order and evaluates them.
Outcome evaluate(const Values& values) {
    std::array<Card, 5> cards{};
    Selection selection;
    for (size_t i = 0; i < 5; ++i) {
        cards[i].value = values[i];
        cards[i].place = makePlace(static_cast<double>(i + 1), 1);
        selection.cards.push_back(&cards[i]);
    }
    Hand hand;
    collectHand(hand, selection);
    Outcome out;
    out.rank = evaluateHand(hand);
    out.pairRanks = hand.pairRanks;
    for (size_t k = 0; k < 5; ++k) {
        if (hand.inCombination[k]) out.markedValues.insert(hand.values[k]);
    }
    return out;
}

HandRank rankOf(const Values& values) { return evaluate(values).rank; }

TEST(HandValues, CollectedAscendingAndAtMostFive) {
    Hand hand;
    for (uint8_t value : {40, 3, 17, 3, 51, 0}) insertSorted(hand, value);
    EXPECT_EQ(hand.values, (std::vector<uint8_t>{3, 3, 17, 40, 51}));
    EXPECT_TRUE(hasRepeatedCard(hand));
}

TEST(HandClasses, RoyalFlushIsNotAStraightFlush) {
    for (uint32_t s = 0; s < 4; ++s) {
        EXPECT_EQ(rankOf({v(1, s), v(10, s), v(11, s), v(12, s), v(13, s)}), RoyalFlush) << s;
    }
    EXPECT_EQ(rankOf({v(1, 2), v(2, 2), v(3, 2), v(4, 2), v(5, 2)}), StraightFlush);
    EXPECT_EQ(rankOf({v(9, 3), v(10, 3), v(11, 3), v(12, 3), v(13, 3)}), StraightFlush);
    EXPECT_EQ(rankOf({v(8, 0), v(9, 0), v(10, 0), v(11, 0), v(12, 0)}), StraightFlush);
}

TEST(HandClasses, StraightsWithTheAceLowOrHighButNoWrapAround) {
    EXPECT_EQ(rankOf({v(10, 0), v(11, 0), v(12, 0), v(13, 0), v(1, 1)}), Straight);
    EXPECT_EQ(rankOf({v(1, 3), v(2, 0), v(3, 1), v(4, 2), v(5, 0)}), Straight);
    EXPECT_EQ(rankOf({v(6, 3), v(2, 0), v(3, 1), v(4, 2), v(5, 0)}), Straight);
    EXPECT_EQ(rankOf({v(11, 0), v(12, 1), v(13, 2), v(1, 3), v(2, 0)}), NoHand);
    EXPECT_EQ(rankOf({v(12, 0), v(13, 1), v(1, 2), v(2, 3), v(3, 0)}), NoHand);
    EXPECT_EQ(rankOf({v(13, 0), v(1, 1), v(2, 2), v(3, 3), v(4, 0)}), NoHand);
    // An ace with a ten-to-king run in another suit block order.
    EXPECT_EQ(rankOf({v(1, 0), v(10, 3), v(11, 2), v(12, 1), v(13, 0)}), Straight);
}

TEST(HandClasses, FlushNeedsOneSuitNotASequence) {
    EXPECT_EQ(rankOf({v(2, 0), v(5, 0), v(7, 0), v(9, 0), v(13, 0)}), Flush);
    EXPECT_EQ(rankOf({v(1, 3), v(4, 3), v(8, 3), v(12, 3), v(13, 3)}), Flush);
    // Lowest card ends its suit block: a king with cards of the next suit.
    EXPECT_EQ(rankOf({v(13, 0), v(2, 1), v(5, 1), v(7, 1), v(9, 1)}), NoHand);
    EXPECT_EQ(rankOf({v(1, 1), v(4, 1), v(8, 1), v(12, 1), v(13, 2)}), NoHand);
}

TEST(HandClasses, AValueUsedTwiceIsNoHandWhateverElseItForms) {
    EXPECT_EQ(rankOf({v(7, 0), v(7, 0), v(2, 1), v(5, 2), v(9, 3)}), NoHand);
    EXPECT_EQ(rankOf({v(7, 0), v(7, 0), v(7, 1), v(2, 2), v(9, 3)}), NoHand);  // trips
    EXPECT_EQ(rankOf({v(7, 0), v(7, 1), v(2, 2), v(2, 2), v(9, 3)}), NoHand);  // a real pair
    EXPECT_EQ(rankOf({v(13, 0), v(13, 1), v(13, 2), v(5, 0), v(5, 0)}), NoHand);  // full house
    EXPECT_EQ(rankOf({v(3, 1), v(3, 1), v(3, 2), v(3, 3), v(3, 0)}), NoHand);  // four
    EXPECT_EQ(rankOf({v(2, 1), v(5, 1), v(5, 1), v(9, 1), v(11, 1)}), NoHand);  // flush
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
                    EXPECT_EQ(rankOf({kings[0], kings[1], kings[2], v(5, a), v(5, b)}), FullHouse);
                }
                const Outcome three = evaluate({kings[0], v(5, a), kings[1], v(6, b), kings[2]});
                EXPECT_EQ(three.rank, ThreeOfAKind);
                EXPECT_EQ(three.markedValues, std::set<uint32_t>(kings.begin(), kings.end()));
                EXPECT_TRUE(three.pairRanks.empty());
            }
        }
    }
    // The set of three may lie below the pair in value order too.
    EXPECT_EQ(rankOf({v(2, 0), v(2, 1), v(2, 3), v(1, 2), v(1, 3)}), FullHouse);
}

TEST(HandClasses, FourOfAKindMarksTheFourAndNotTheKicker) {
    for (uint32_t kickerSuit = 0; kickerSuit < 4; ++kickerSuit) {
        for (uint32_t kickerRank : {1u, 2u, 13u}) {
            const Values hand{v(7, 0), v(7, 1), v(kickerRank, kickerSuit), v(7, 2), v(7, 3)};
            const Outcome out = evaluate(hand);
            EXPECT_EQ(out.rank, FourOfAKind);
            EXPECT_EQ(out.markedValues, (std::set<uint32_t>{v(7, 0), v(7, 1), v(7, 2), v(7, 3)}));
            EXPECT_TRUE(out.pairRanks.empty());
        }
    }
}

TEST(HandClasses, PairsLeaveTheirRanksLowerPairFirst) {
    Outcome two = evaluate({v(13, 2), v(3, 0), v(9, 1), v(3, 3), v(13, 0)});
    EXPECT_EQ(two.rank, TwoPair);
    EXPECT_EQ(two.pairRanks, (std::vector<uint8_t>{3, 3, 13, 13}));
    two = evaluate({v(13, 2), v(1, 0), v(9, 1), v(1, 3), v(13, 0)});
    EXPECT_EQ(two.pairRanks, (std::vector<uint8_t>{1, 1, 13, 13}));
    const Outcome one = evaluate({v(1, 3), v(4, 0), v(8, 1), v(1, 0), v(12, 2)});
    EXPECT_EQ(one.rank, OnePair);
    EXPECT_EQ(one.pairRanks, (std::vector<uint8_t>{1, 1}));
    EXPECT_EQ(rankOf({v(1, 3), v(4, 0), v(8, 1), v(11, 0), v(12, 2)}), NoHand);
}

TEST(HandClasses, NothingCarriesOverFromTheLastHand) {
    std::array<Card, 5> cards{};
    Selection selection;
    for (auto& c : cards) selection.cards.push_back(&c);
    const auto load = [&](const Values& values) {
        for (size_t i = 0; i < 5; ++i) cards[i].value = values[i];
    };
    Hand hand;
    load({v(2, 0), v(2, 1), v(2, 2), v(2, 3), v(9, 0)});
    collectHand(hand, selection);
    ASSERT_EQ(evaluateHand(hand), FourOfAKind);
    load({v(3, 0), v(3, 1), v(8, 2), v(8, 3), v(9, 0)});
    collectHand(hand, selection);
    EXPECT_EQ(hand.inCombination, (std::array<bool, 5>{}));
    ASSERT_EQ(evaluateHand(hand), TwoPair);
    load({v(3, 0), v(3, 1), v(3, 2), v(8, 3), v(9, 0)});
    collectHand(hand, selection);
    ASSERT_EQ(evaluateHand(hand), ThreeOfAKind);
    EXPECT_TRUE(hand.pairRanks.empty());
    // Sorted: 3 of suit 0, 9 of suit 0, 3 of suit 1, 3 of suit 2, 8 of suit 3.
    EXPECT_EQ(hand.inCombination, (std::array<bool, 5>{true, false, true, true, false}));
}

TEST(HandClasses, FewerThanFiveValuesIsNoHand) {
    Hand hand;
    for (uint8_t value : {0, 13, 26, 39}) insertSorted(hand, value);
    EXPECT_EQ(evaluateHand(hand), NoHand);
    EXPECT_FALSE(isStraight(hand));
    EXPECT_FALSE(isFlush(hand));
}

TEST(HandClasses, SelectionOrderNeverChangesTheResult) {
    const std::vector<Values> hands = {
        {v(1, 1), v(10, 1), v(11, 1), v(12, 1), v(13, 1)},
        {v(1, 0), v(2, 0), v(3, 0), v(4, 0), v(5, 0)},
        {v(4, 0), v(4, 1), v(4, 2), v(4, 3), v(12, 1)},
        {v(13, 3), v(13, 1), v(13, 0), v(5, 2), v(5, 0)},
        {v(2, 2), v(6, 2), v(7, 2), v(9, 2), v(12, 2)},
        {v(1, 0), v(10, 3), v(11, 2), v(12, 1), v(13, 0)},
        {v(9, 0), v(9, 3), v(9, 1), v(1, 2), v(13, 2)},
        {v(6, 0), v(6, 3), v(11, 1), v(11, 2), v(1, 2)},
        {v(12, 0), v(12, 3), v(2, 1), v(7, 2), v(8, 2)},
        {v(12, 0), v(12, 0), v(2, 1), v(7, 2), v(8, 2)},
        {v(11, 0), v(12, 1), v(13, 2), v(1, 3), v(2, 0)},
    };
    for (const Values& hand : hands) {
        const Outcome first = evaluate(hand);
        std::array<size_t, 5> order{0, 1, 2, 3, 4};
        while (std::next_permutation(order.begin(), order.end())) {
            Values shuffled{};
            for (size_t i = 0; i < 5; ++i) shuffled[i] = hand[order[i]];
            const Outcome again = evaluate(shuffled);
            ASSERT_EQ(again.rank, first.rank);
            ASSERT_EQ(again.pairRanks, first.pairRanks);
            ASSERT_EQ(again.markedValues, first.markedValues);
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
    if (SanitizedBuild) {
        GTEST_SKIP() << "2.6 million hands take minutes under the sanitizers; "
                        "the other hand tests drive the same code there";
    }
    std::array<uint32_t, 10> counts{};
    Hand hand;
    for (uint8_t a = 0; a < 52; ++a)
        for (uint8_t b = a + 1; b < 52; ++b)
            for (uint8_t c = b + 1; c < 52; ++c)
                for (uint8_t d = c + 1; d < 52; ++d)
                    for (uint8_t e = d + 1; e < 52; ++e) {
                        hand.values = {a, b, c, d, e};
                        hand.inCombination.fill(false);
                        ++counts[evaluateHand(hand)];
                    }
    EXPECT_EQ(counts[RoyalFlush], 4u);
    EXPECT_EQ(counts[StraightFlush], 36u);
    EXPECT_EQ(counts[FourOfAKind], 624u);
    EXPECT_EQ(counts[FullHouse], 3744u);
    EXPECT_EQ(counts[Flush], 5108u);
    EXPECT_EQ(counts[Straight], 10200u);
    EXPECT_EQ(counts[ThreeOfAKind], 54912u);
    EXPECT_EQ(counts[TwoPair], 123552u);
    EXPECT_EQ(counts[OnePair], 1098240u);
    EXPECT_EQ(counts[NoHand], 1302540u);
}

}  // namespace
}  // namespace pelmora
