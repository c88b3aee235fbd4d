// A new game: one shuffled permutation of 0..863 spread over the six faces.
#include "board/deal.h"

#include <algorithm>

#include "values/random.h"

namespace pelmora {
namespace {

constexpr uint64_t DrawSpan = Random::Max + 1ull;

// One draw reduced modulo n, as the deal always did. Sets wider than one
// draw chain several, or values beyond the first 32768 could never come up
// and the shuffle would never finish.
uint32_t drawBelow(uint32_t n, Random& random) {
    uint64_t value = random.next();
    for (uint64_t span = DrawSpan; span < n; span *= DrawSpan) value = value * DrawSpan + random.next();
    return static_cast<uint32_t>(value % n);
}

void markStartingFreeCards(Face& face) {
    for (const Place& place : startingFreePlaces()) {
        if (Card* card = face.cardAt(place)) card->free = true;
    }
}

Layer* firstLayerWithRoom(std::vector<Layer>& layers) {
    for (Layer& layer : layers) {
        if (layer.cards.size() < capacityFor(layer.level)) return &layer;
    }
    return nullptr;
}

}  // namespace

const std::vector<Place>& startingFreePlaces() {
    static const std::vector<Place> places = {
        // The open ends of the bottom rows and the outer half-row places.
        {2, 1}, {4, 2}, {3, 3}, {1, 4.5}, {3, 6}, {4, 7}, {2, 8},
        {13, 1}, {11, 2}, {12, 3}, {15, 4.5}, {12, 6}, {11, 7}, {13, 8},
        // The outer columns of the second and third layers.
        {5, 2}, {5, 3}, {5, 4}, {5, 5}, {5, 6}, {5, 7},
        {10, 2}, {10, 3}, {10, 4}, {10, 5}, {10, 6}, {10, 7},
        {6, 3}, {6, 4}, {6, 5}, {6, 6}, {9, 3}, {9, 4}, {9, 5}, {9, 6},
        // The top card.
        {7.5, 4.5},
    };
    return places;
}

// Rejection sampling: a value already drawn is thrown away and drawn again, so
// the order is that in which each value first came up.
void fillPermutation(DealSequence& sequence, uint32_t n, Random& random) {
    sequence.clear();
    sequence.reserve(n);
    std::vector<bool> drawn(n, false);
    while (sequence.size() < n) {
        const uint32_t v = drawBelow(n, random);
        if (drawn[v]) continue;
        drawn[v] = true;
        sequence.push_back(v);
    }
}

DealSequence sliceOf(const DealSequence& source, uint32_t start, uint32_t end) {
    const size_t last = std::min<size_t>(end, source.size());
    const size_t first = std::min<size_t>(start, last);
    return DealSequence(source.begin() + static_cast<std::ptrdiff_t>(first),
                        source.begin() + static_cast<std::ptrdiff_t>(last));
}

void Face::deal(const DealSequence& slice, uint8_t faceIndex) {
    clear();
    for (uint8_t level = 1; level <= LevelCount; ++level) layers.push_back(Layer{level, {}});
    const size_t count = std::min<size_t>(slice.size(), CardsPerFace);
    for (size_t i = 0; i < count; ++i) {
        Layer* layer = firstLayerWithRoom(layers);
        if (!layer) break;
        auto card = std::make_unique<Card>();
        card->face = faceIndex;
        card->value = slice[i] % 52;
        layer->add(std::move(card));
    }
    markStartingFreeCards(*this);
}

void dealBoard(Board& board, Random& random) {
    DealSequence perm;
    fillPermutation(perm, FaceCount * CardsPerFace, random);
    for (uint8_t f = 0; f < FaceCount; ++f) {
        Face* face = board.face(f);
        if (face) face->deal(sliceOf(perm, f * CardsPerFace, (f + 1u) * CardsPerFace), f);
    }
}

}  // namespace pelmora
