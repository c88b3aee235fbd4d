#include "play/selection.h"

#include "frame/game.h"

namespace pelmora {

void toggleSelection(Game&, Card*) {}
void selectCard(Selection&, Card*) {}
void unselectCard(Selection&, const Card*) {}
void clearSelection(Selection& selection) { selection.cards.clear(); }
uint32_t selectionCount(const Selection& selection) { return static_cast<uint32_t>(selection.cards.size()); }
Card* selectedCardAt(const Selection&, uint8_t) { return nullptr; }

}  // namespace pelmora
