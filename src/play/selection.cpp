#include "play/selection.h"

#include "board/board.h"
#include "platform/sound.h"

namespace pelmora {

namespace {

// Value, face, level and place together name exactly one card on the board.
bool sameCard(const Card& a, const Card& b) {
    return a.value == b.value && a.face == b.face && a.level == b.level && a.place == b.place;
}

}  // namespace

void toggleSelection(Selection& selection, Card* card, CuePlayer& cues) {
    if (card == nullptr) return;
    if (!card->free) {
        playUnselectable(cues);
        return;
    }
    card->selected = !card->selected;
    if (card->selected) {
        selectCard(selection, card);
    } else {
        unselectCard(selection, card);
    }
    playSelect(cues);
}

void selectCard(Selection& selection, Card* card) {
    if (selectionCount(selection) == MaxSelected) {
        Card* oldest = selection.cards.front();
        oldest->selected = false;
        unselectCard(selection, oldest);
    }
    selection.cards.push_back(card);
}

void unselectCard(Selection& selection, const Card* card) {
    if (card == nullptr) return;
    auto& cards = selection.cards;
    for (auto it = cards.begin(); it != cards.end(); ++it) {
        if (!sameCard(**it, *card)) continue;
        (*it)->selected = false;
        cards.erase(it);
        return;
    }
}

void clearSelection(Selection& selection) {
    while (!selection.cards.empty()) {
        selection.cards.back()->selected = false;
        selection.cards.pop_back();
    }
}

uint32_t selectionCount(const Selection& selection) {
    return static_cast<uint32_t>(selection.cards.size());
}

Card* selectedCardAt(const Selection& selection, uint8_t n) {
    if (n >= selection.cards.size()) return nullptr;
    return selection.cards[n];
}

}  // namespace pelmora
