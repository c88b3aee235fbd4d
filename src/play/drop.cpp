#include "play/drop.h"

#include <algorithm>
#include <array>

#include "frame/game.h"
#include "play/score.h"
#include "view/atlas.h"

namespace pelmora {

namespace {

// The dust grid of one card: 36 columns by 48 rows, 0.02 units apart,
// sampling every second texel of its picture.
constexpr int DustColumns = 36;
constexpr int DustRows = 48;
constexpr double DustStep = 0.02;
constexpr int TexelStep = 2;
constexpr uint32_t MaxLife = 60;

bool isWholeHand(HandRank rank) {
    return rank == Straight || rank == Flush || rank == FullHouse || rank == StraightFlush ||
           rank == RoyalFlush;
}

// Takes the card of one selection entry off the board: its dust first,
// while the card still exists, then the entry, then the card itself. The
// highlight goes too, so a card its face would not give up cannot stay
// marked selected without being in the selection.
void takeOff(Game& game, size_t entry) {
    Card* card = game.selection.cards[entry];
    spawnCardParticles(game, *card);
    card->selected = false;
    game.selection.cards.erase(game.selection.cards.begin() + static_cast<std::ptrdiff_t>(entry));
    if (Face* face = game.board.face(card->face)) face->removeCard(card);
}

template <typename Match>
void takeOffOldest(Game& game, Match matches) {
    const auto& cards = game.selection.cards;
    const auto it = std::find_if(cards.begin(), cards.end(),
                                 [&](const Card* c) { return matches(*c); });
    if (it != cards.end()) takeOff(game, static_cast<size_t>(it - cards.begin()));
}

// A kept image is usable when it holds every pixel its size promises.
bool usable(const ImageCopy* image) {
    if (image == nullptr || image->width <= 0 || image->height <= 0) return false;
    const size_t area = static_cast<size_t>(image->width) * static_cast<size_t>(image->height);
    return image->pixels.size() >= area;
}

// An atlas smaller than the card pictures it should hold would put samples
// past its edges; they take the nearest edge pixel instead.
const ImageCopy::Pixel& pixelAt(const ImageCopy& image, uint32_t column, uint32_t row) {
    const uint32_t width = static_cast<uint32_t>(image.width);
    const uint32_t height = static_cast<uint32_t>(image.height);
    column = std::min(column, width - 1);
    row = std::min(row, height - 1);
    return image.pixels[static_cast<size_t>(width) * row + column];
}

}  // namespace

bool dropSelection(Game& game) {
    if (selectionCount(game.selection) != MaxSelected) return false;
    collectHand(game.hand, game.selection);
    const HandRank rank = evaluateHand(game.hand);
    if (rank == NoHand) return false;
    addToScore(game.score, rank);
    removeDroppedCards(game, isWholeHand(rank));
    return true;
}

void removeDroppedCards(Game& game, bool wholeHand) {
    if (wholeHand) {
        while (!game.selection.cards.empty()) takeOff(game, game.selection.cards.size() - 1);
        return;
    }
    // Read what the evaluation left before the first card leaves.
    const Hand hand = game.hand;
    if (hand.pairRanks.size() == 2 || hand.pairRanks.size() == 4) {
        for (uint8_t rank : hand.pairRanks) {
            takeOffOldest(game, [rank](const Card& c) { return cardRank(c.value) == rank; });
        }
        return;
    }
    for (size_t k = 0; k < hand.values.size() && k < hand.inCombination.size(); ++k) {
        if (!hand.inCombination[k]) continue;
        const uint32_t value = hand.values[k];
        takeOffOldest(game, [value](const Card& c) { return c.value == value; });
    }
}

void spawnCardParticles(Game& game, const Card& card) {
    // Cards picked before a turn leave their own face unseen.
    if (card.face != 0) return;
    const ImageCopy* image = game.cloud.cardImage;
    if (!usable(image)) return;
    const TexCoord corner = cardTexCoord(card);
    const auto c0 = static_cast<uint32_t>(corner.u * static_cast<uint32_t>(image->width));
    const auto r0 = static_cast<uint32_t>(corner.v * static_cast<uint32_t>(image->height));
    // The grid covers the top of the card's tile where it lay.
    const double x0 = (card.place.x - 1.0) * 0.75 - 5.25;
    const double y0 = 3.0 - (card.place.y - 1.0);
    const double z = card.level * 0.4 + 10.0;
    auto& particles = game.cloud.particles;
    particles.reserve(particles.size() + DustColumns * DustRows);
    for (int c = 0; c < DustColumns; ++c) {
        for (int r = 0; r < DustRows; ++r) {
            const auto& pixel = pixelAt(*image, c0 + static_cast<uint32_t>(TexelStep * c),
                                        r0 + static_cast<uint32_t>(TexelStep * r));
            Particle p;
            p.red = pixel.red;
            p.green = pixel.green;
            p.blue = pixel.blue;
            p.x = x0 + DustStep * c;
            p.y = y0 + DustStep * r;
            p.z = z;
            p.life = static_cast<int32_t>(game.random.next() % MaxLife + 1);
            particles.push_back(p);
        }
    }
}

void clearParticles(ParticleCloud& cloud) { cloud.particles.clear(); }

void ageParticles(ParticleCloud& cloud) {
    auto& particles = cloud.particles;
    particles.erase(std::remove_if(particles.begin(), particles.end(),
                                   [](const Particle& p) { return p.life <= 0; }),
                    particles.end());
    for (Particle& p : particles) --p.life;
}

}  // namespace pelmora
