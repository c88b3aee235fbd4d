#include "play/hand.h"

#include <algorithm>

#include "board/board.h"
#include "play/selection.h"

namespace pelmora {

namespace {

constexpr size_t HandSize = 5;

// Every test reads all five positions; a shorter hand is no hand.
bool complete(const Hand& hand) { return hand.values.size() == HandSize; }

// True when `higher` is a card of the same rank as `lower` in a higher suit;
// values are sorted, so a same-rank card after a position is always higher.
bool sameRankAbove(uint8_t lower, uint8_t higher) {
    return higher == lower + 13 || higher == lower + 26 || higher == lower + 39;
}

// Counts the cards of the rank at position i (itself included) and marks
// i and every matching position.
uint32_t countRankAt(const Hand& hand, size_t i, std::array<bool, 5>& marks) {
    uint32_t count = 1;
    for (size_t j = 0; j < HandSize; ++j) {
        if (!sameRankAbove(hand.values[i], hand.values[j])) continue;
        ++count;
        marks[i] = true;
        marks[j] = true;
    }
    return count;
}

// Looks for a rank held by exactly `size` cards, leaving the set marked.
bool findSetOf(Hand& hand, uint32_t size) {
    hand.pairRanks.clear();
    if (!complete(hand)) return false;
    for (size_t i = 0; i < HandSize; ++i) {
        if (countRankAt(hand, i, hand.inCombination) == size) return true;
    }
    return false;
}

// A stable bubble sort: neighbours swap only when the left one must go
// after the right one, so equal ranks keep their order.
template <typename T, typename MustSwap>
void sortFive(std::array<T, 5>& items, MustSwap mustSwap) {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (size_t k = 1; k < items.size(); ++k) {
            if (!mustSwap(items[k - 1], items[k])) continue;
            std::swap(items[k - 1], items[k]);
            swapped = true;
        }
    }
}

}  // namespace

void collectHand(Hand& hand, const Selection& selection) {
    hand.values.clear();
    hand.inCombination.fill(false);
    for (const Card* card : selection.cards) {
        insertSorted(hand, static_cast<uint8_t>(card->value));
    }
}

void insertSorted(Hand& hand, uint8_t value) {
    auto& values = hand.values;
    if (values.size() >= HandSize) return;
    values.insert(std::lower_bound(values.begin(), values.end(), value), value);
}

bool hasRepeatedCard(const Hand& hand) {
    const auto& v = hand.values;
    for (size_t i = 0; i < v.size(); ++i) {
        for (size_t j = i + 1; j < v.size(); ++j) {
            if (v[i] == v[j]) return true;
        }
    }
    return false;
}

bool isRoyalFlush(const Hand& hand) {
    if (!complete(hand)) return false;
    const auto& w = hand.values;
    return w[0] % 13 == 0 && w[1] == w[0] + 9 && w[2] == w[0] + 10 && w[3] == w[0] + 11 &&
           w[4] == w[0] + 12;
}

bool isFlush(const Hand& hand) {
    if (!complete(hand)) return false;
    // All five lie at or above the lowest value, so they share its suit when
    // they all lie below the end of its suit block.
    const uint32_t bound = std::min((cardSuit(hand.values[0]) + 1u) * 13u, 52u);
    return std::all_of(hand.values.begin(), hand.values.end(),
                       [bound](uint8_t v) { return v < bound; });
}

bool isStraight(const Hand& hand) {
    if (!complete(hand)) return false;
    std::array<uint8_t, 5> ranks{};
    for (size_t k = 0; k < HandSize; ++k) ranks[k] = cardRank(hand.values[k]);
    sortFive(ranks, [](uint8_t a, uint8_t b) { return a > b; });
    bool inSequence = true;
    for (size_t k = 1; k < HandSize; ++k) inSequence = inSequence && ranks[k] == ranks[k - 1] + 1;
    // The ace also counts high, after the king; there is no wrap-around.
    constexpr std::array<uint8_t, 5> aceHigh{1, 10, 11, 12, 13};
    return inSequence || ranks == aceHigh;
}

bool isFourOfAKind(Hand& hand) { return findSetOf(hand, 4); }

bool isFullHouse(const Hand& hand) {
    if (!complete(hand)) return false;
    for (size_t i = 0; i < HandSize; ++i) {
        std::array<bool, 5> marks{};
        if (countRankAt(hand, i, marks) != 3) continue;
        // Only one rank can be held three times; the other two must match.
        std::array<uint8_t, 2> rest{};
        size_t n = 0;
        for (size_t j = 0; j < HandSize && n < rest.size(); ++j) {
            if (!marks[j]) rest[n++] = cardRank(hand.values[j]);
        }
        return rest[0] == rest[1];
    }
    return false;
}

bool isThreeOfAKind(Hand& hand) { return findSetOf(hand, 3); }

uint8_t countPairs(Hand& hand) {
    hand.pairRanks.clear();
    if (!complete(hand)) return 0;
    struct Couple {
        uint8_t rank;
        uint8_t suit;
    };
    std::array<Couple, 5> couples{};
    for (size_t k = 0; k < HandSize; ++k) {
        couples[k] = {cardRank(hand.values[k]), cardSuit(hand.values[k])};
    }
    sortFive(couples, [](const Couple& a, const Couple& b) { return a.rank > b.rank; });
    uint8_t pairs = 0;
    size_t k = 1;
    while (k < HandSize) {
        const Couple& left = couples[k - 1];
        const Couple& right = couples[k];
        if (left.rank == right.rank && left.suit != right.suit) {
            ++pairs;
            hand.pairRanks.insert(hand.pairRanks.end(), 2, left.rank);
            k += 2;  // a card belongs to at most one pair
        } else {
            k += 1;
        }
    }
    return pairs;
}

HandRank evaluateHand(Hand& hand) {
    if (!complete(hand) || hasRepeatedCard(hand)) return NoHand;
    if (isRoyalFlush(hand)) return RoyalFlush;
    if (isFlush(hand) && isStraight(hand)) return StraightFlush;
    if (isFourOfAKind(hand)) return FourOfAKind;
    if (isFullHouse(hand)) return FullHouse;
    if (isFlush(hand)) return Flush;
    if (isStraight(hand)) return Straight;
    if (isThreeOfAKind(hand)) return ThreeOfAKind;
    if (countPairs(hand) == 2) return TwoPair;
    if (countPairs(hand) == 1) return OnePair;
    return NoHand;
}

}  // namespace pelmora
