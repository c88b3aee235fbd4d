// Playability: a card that leaves opens the cards beside and beneath it.
#include "board/board.h"

namespace pelmora {
namespace {

struct Offset {
    double dx;
    double dy;
};

// Searched around a removed card, in this order: the same column, then half a
// step and a whole step to the left and right; each at the same row and half a
// row up and down. Half steps reach the level-4 cards under the top card and
// the half-row places at the ends of the bottom layer.
constexpr Offset releaseOffsets[] = {
    {0, 0},    {0, -0.5},    {0, 0.5},
    {-0.5, 0}, {-0.5, -0.5}, {-0.5, 0.5},
    {0.5, 0},  {0.5, -0.5},  {0.5, 0.5},
    {-1, 0},   {-1, -0.5},   {-1, 0.5},
    {1, 0},    {1, -0.5},    {1, 0.5},
};

bool hasOpenSide(const Layer& layer, const Card& card) {
    const Place p = card.place;
    return layer.cardAt(p.x - 1, p.y) == nullptr || layer.cardAt(p.x + 1, p.y) == nullptr;
}

// Once free, a card stays free: only cards not yet free are looked at.
void releaseAround(const Layer& layer, Place centre) {
    for (const Offset& o : releaseOffsets) {
        Card* candidate = layer.cardAt(centre.x + o.dx, centre.y + o.dy);
        if (candidate && !candidate->free && hasOpenSide(layer, *candidate)) candidate->free = true;
    }
}

}  // namespace

void Face::removeCard(Card* card) {
    if (!card || card->level < 1 || card->level > layers.size()) return;
    const Place place = card->place;
    const size_t ownLayer = card->level - 1u;
    // A card of another face (or one already gone) must not open anything here.
    if (layers[ownLayer].cardAt(place.x, place.y) != card) return;
    layers[ownLayer].remove(card);
    for (size_t k = ownLayer + 1; k-- > 0;) releaseAround(layers[k], place);
}

}  // namespace pelmora
