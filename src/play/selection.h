// The cards the player has picked, oldest first, at most five.
#pragma once

#include <cstdint>
#include <vector>

namespace pelmora {

struct Card;
class CuePlayer;

constexpr uint32_t MaxSelected = 5;

struct Selection {
    std::vector<Card*> cards;  // not owned; oldest first
};

// The left-click rule: a free card flips in or out with the select cue, a
// locked one only sounds the unselectable cue.
void toggleSelection(Selection& selection, Card* card, CuePlayer& cues);
void selectCard(Selection& selection, Card* card);
void unselectCard(Selection& selection, const Card* card);
void clearSelection(Selection& selection);
uint32_t selectionCount(const Selection& selection);
Card* selectedCardAt(const Selection& selection, uint8_t n);

}  // namespace pelmora
