// The cards the player has picked, oldest first, at most five.
#pragma once

#include <cstdint>
#include <vector>

namespace pelmora {

struct Card;
struct Game;

constexpr uint32_t MaxSelected = 5;

struct Selection {
    std::vector<Card*> cards;  // not owned; oldest first
};

void toggleSelection(Game& game, Card* card);  // the left-click rule, with its cue
void selectCard(Selection& selection, Card* card);
void unselectCard(Selection& selection, const Card* card);
void clearSelection(Selection& selection);
uint32_t selectionCount(const Selection& selection);
Card* selectedCardAt(const Selection& selection, uint8_t n);

}  // namespace pelmora
