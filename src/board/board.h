// The cube's card heaps: six faces, five layers each, cards at fixed places.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace pelmora {

// A card's position on its face in place units (whole or half numbers, so
// exact comparison is sound). (0, 0) stands for no place.
struct Place {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const Place& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Place& o) const { return !(*this == o); }
};

Place makePlace(double x, double y);

constexpr unsigned FaceCount = 6;
constexpr unsigned LevelCount = 5;
constexpr unsigned CardsPerFace = 144;

inline uint32_t suitIndex(uint32_t value) { return value / 13; }
inline uint32_t rankIndex(uint32_t value) { return value % 13; }

struct Card {
    bool selected = false;
    bool free = false;
    uint8_t face = 0;
    uint32_t value = 0;
    uint8_t level = 0;
    Place place;
};

// Capacity of a layer: 87, 36, 16, 4, 1 for levels 1..5; any other level
// byte counts as level 1.
uint32_t capacityFor(uint8_t level);
// Place of the card that arrives as the n-th card of a layer of this level.
Place placeFor(uint8_t level, uint32_t n);

struct Layer {
    uint8_t level = 1;
    std::vector<std::unique_ptr<Card>> cards;

    void add(std::unique_ptr<Card> card);
    Card* cardAt(double x, double y) const;
    void remove(const Card* card);  // destroys the card
    void clear();
};

using DealSequence = std::vector<uint32_t>;

struct Face {
    std::vector<Layer> layers;

    Card* cardAt(Place place) const;  // topmost card at exactly that place
    void clear();
    void deal(const DealSequence& slice, uint8_t faceIndex);
    // Takes a card of this face off the board and frees the cards it opened.
    void removeCard(Card* card);
    uint32_t cardCount() const;
};

struct Board {
    std::vector<std::unique_ptr<Face>> faces;

    Board();  // six empty faces
    Face* face(uint8_t index) const;
    uint32_t cardCount() const;
    void reset();
    void renumberFace(uint8_t index, uint8_t value);
};

}  // namespace pelmora
