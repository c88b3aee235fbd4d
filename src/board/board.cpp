// The layers, faces and the board that own the cards, and the queries on them.
#include "board/board.h"

#include <algorithm>

namespace pelmora {

void Layer::add(std::unique_ptr<Card> card) {
    if (!card) return;
    card->place = placeFor(level, static_cast<uint32_t>(cards.size()));
    card->level = level;
    cards.push_back(std::move(card));
}

Card* Layer::cardAt(double x, double y) const {
    for (const auto& card : cards) {
        if (card->place.x == x && card->place.y == y) return card.get();
    }
    return nullptr;
}

void Layer::remove(const Card* card) {
    if (!card) return;
    // Copied first: the card asked for may be the one destroyed below.
    const uint32_t value = card->value;
    const Place place = card->place;
    auto match = std::find_if(cards.begin(), cards.end(), [&](const std::unique_ptr<Card>& c) {
        return c->value == value && c->place == place;
    });
    if (match != cards.end()) cards.erase(match);
}

void Layer::clear() {
    while (!cards.empty()) cards.pop_back();
}

Card* Face::cardAt(Place place) const {
    if (place.x == 0 || place.y == 0) return nullptr;
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
        if (Card* card = layer->cardAt(place.x, place.y)) return card;
    }
    return nullptr;
}

void Face::clear() {
    for (Layer& layer : layers) layer.clear();
    layers.clear();
    layers.shrink_to_fit();
}

uint32_t Face::cardCount() const {
    size_t count = 0;
    for (const Layer& layer : layers) count += layer.cards.size();
    return static_cast<uint32_t>(count);
}

Board::Board() {
    for (unsigned i = 0; i < FaceCount; ++i) faces.push_back(std::make_unique<Face>());
}

Face* Board::face(uint8_t index) const {
    return index < faces.size() ? faces[index].get() : nullptr;
}

uint32_t Board::cardCount() const {
    uint32_t count = 0;
    for (const auto& f : faces) count += f->cardCount();
    return count;
}

void Board::reset() {
    while (!faces.empty()) {
        faces.back()->clear();
        faces.pop_back();
    }
    for (unsigned i = 0; i < FaceCount; ++i) faces.push_back(std::make_unique<Face>());
}

void Board::renumberFace(uint8_t index, uint8_t value) {
    Face* f = face(index);
    if (!f) return;
    for (Layer& layer : f->layers) {
        for (auto& card : layer.cards) card->face = value;
    }
}

}  // namespace pelmora
