#include "board/board.h"

namespace pelmora {

// Placeholder bodies until the board lands.
Place makePlace(double x, double y) { return Place{x, y}; }
uint32_t capacityFor(uint8_t) { return 0; }
Place placeFor(uint8_t, uint32_t) { return {}; }
void Layer::add(std::unique_ptr<Card> card) { cards.push_back(std::move(card)); }
Card* Layer::cardAt(double, double) const { return nullptr; }
void Layer::remove(const Card*) {}
void Layer::clear() { cards.clear(); }
Card* Face::cardAt(Place) const { return nullptr; }
void Face::clear() { layers.clear(); }
void Face::deal(const DealSequence&, uint8_t) {}
void Face::removeCard(Card*) {}
uint32_t Face::cardCount() const { return 0; }
Board::Board() {
    for (unsigned i = 0; i < FaceCount; ++i) faces.push_back(std::make_unique<Face>());
}
Face* Board::face(uint8_t index) const { return faces[index].get(); }
uint32_t Board::cardCount() const { return 0; }
void Board::reset() {}
void Board::renumberFace(uint8_t, uint8_t) {}

}  // namespace pelmora
