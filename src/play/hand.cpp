#include "play/hand.h"

namespace pelmora {

void collectHand(Hand&, const Selection&) {}
void insertSorted(Hand&, uint8_t) {}
bool hasRepeatedCard(const Hand&) { return false; }
bool isRoyalFlush(const Hand&) { return false; }
bool isFlush(const Hand&) { return false; }
bool isStraight(const Hand&) { return false; }
bool isFourOfAKind(Hand&) { return false; }
bool isFullHouse(const Hand&) { return false; }
bool isThreeOfAKind(Hand&) { return false; }
uint8_t countPairs(Hand&) { return 0; }
HandRank evaluateHand(Hand&) { return NoHand; }

}  // namespace pelmora
