// Poker hand evaluation of the five selected cards.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace pelmora {

struct Selection;

enum HandRank : uint32_t {
    NoHand = 0,
    OnePair = 1,
    TwoPair = 2,
    ThreeOfAKind = 3,
    Straight = 4,
    Flush = 5,
    FullHouse = 6,
    FourOfAKind = 7,
    StraightFlush = 8,
    RoyalFlush = 9,
};

struct Hand {
    std::vector<uint8_t> values;  // ascending, at most five
    std::vector<uint8_t> pairRanks;
    std::array<bool, 5> inCombination{};
};

inline uint8_t cardRank(uint32_t value) { return static_cast<uint8_t>(value % 13 + 1); }
inline uint8_t cardSuit(uint32_t value) { return static_cast<uint8_t>(value / 13); }

void collectHand(Hand& hand, const Selection& selection);
void insertSorted(Hand& hand, uint8_t value);
bool hasRepeatedCard(const Hand& hand);
bool isRoyalFlush(const Hand& hand);
bool isFlush(const Hand& hand);
bool isStraight(const Hand& hand);
bool isFourOfAKind(Hand& hand);
bool isFullHouse(const Hand& hand);
bool isThreeOfAKind(Hand& hand);
uint8_t countPairs(Hand& hand);
HandRank evaluateHand(Hand& hand);

}  // namespace pelmora
