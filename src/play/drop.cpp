#include "play/drop.h"

#include <algorithm>
#include <array>

#include "board/board.h"
#include "play/hand.h"
#include "play/score.h"
#include "play/selection.h"
#include "values/image.h"
#include "values/random.h"
#include "view/atlas.h"
#include "view/geometry.h"

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
void takeOff(PlayState& play, size_t entry) {
    auto& cards = play.selection.cards;
    Card* card = cards[entry];
    spawnCardParticles(play.cloud, play.random, *card);
    card->selected = false;
    cards.erase(cards.begin() + static_cast<std::ptrdiff_t>(entry));
    if (Face* face = play.board.face(card->face)) face->removeCard(card);
}

template <typename Match>
void takeOffOldest(PlayState& play, Match matches) {
    const auto& cards = play.selection.cards;
    const auto it = std::find_if(cards.begin(), cards.end(),
                                 [&](const Card* c) { return matches(*c); });
    if (it != cards.end()) takeOff(play, static_cast<size_t>(it - cards.begin()));
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

bool dropSelection(PlayState& play) {
    if (selectionCount(play.selection) != MaxSelected) return false;
    collectHand(play.hand, play.selection);
    const HandRank rank = evaluateHand(play.hand);
    if (rank == NoHand) return false;
    addToScore(play.score, rank);
    removeDroppedCards(play, isWholeHand(rank));
    return true;
}

void removeDroppedCards(PlayState& play, bool wholeHand) {
    if (wholeHand) {
        while (!play.selection.cards.empty()) takeOff(play, play.selection.cards.size() - 1);
        return;
    }
    // Read what the evaluation left before the first card leaves.
    const Hand hand = play.hand;
    if (hand.pairRanks.size() == 2 || hand.pairRanks.size() == 4) {
        for (uint8_t rank : hand.pairRanks) {
            takeOffOldest(play, [rank](const Card& c) { return cardRank(c.value) == rank; });
        }
        return;
    }
    for (size_t k = 0; k < hand.values.size() && k < hand.inCombination.size(); ++k) {
        if (!hand.inCombination[k]) continue;
        const uint32_t value = hand.values[k];
        takeOffOldest(play, [value](const Card& c) { return c.value == value; });
    }
}

void spawnCardParticles(ParticleCloud& cloud, Random& random, const Card& card) {
    // Cards picked before a turn leave their own face unseen.
    if (card.face != 0) return;
    const ImageCopy* image = cloud.cardImage;
    if (!usable(image)) return;
    const TexCoord corner = cardTexCoord(card);
    const auto c0 = static_cast<uint32_t>(corner.u * static_cast<uint32_t>(image->width));
    const auto r0 = static_cast<uint32_t>(corner.v * static_cast<uint32_t>(image->height));
    // The grid covers the top of the card's tile where it lay.
    const TileBox tile = tileBox(card.place, card.level);
    auto& particles = cloud.particles;
    particles.reserve(particles.size() + DustColumns * DustRows);
    for (int c = 0; c < DustColumns; ++c) {
        for (int r = 0; r < DustRows; ++r) {
            const auto& pixel = pixelAt(*image, c0 + static_cast<uint32_t>(TexelStep * c),
                                        r0 + static_cast<uint32_t>(TexelStep * r));
            Particle p;
            p.red = pixel.red;
            p.green = pixel.green;
            p.blue = pixel.blue;
            p.x = tile.x0 + DustStep * c;
            p.y = tile.y0 + DustStep * r;
            p.z = tile.z;
            p.life = static_cast<int32_t>(random.next() % MaxLife + 1);
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
