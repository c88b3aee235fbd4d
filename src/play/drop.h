// Dropping a hand: points, cards off the board, dust.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {

struct Card;
struct Game;

// The pixels of the card atlas kept in memory after loading: rows from the
// bottom of the picture upward.
struct ImageCopy {
    struct Pixel {
        uint8_t blue = 0;
        uint8_t green = 0;
        uint8_t red = 0;
    };
    std::vector<Pixel> pixels;
    int32_t width = 0;
    int32_t height = 0;
    std::string name;
};

struct Particle {
    uint8_t blue = 0;
    uint8_t green = 0;
    uint8_t red = 0;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    int32_t life = 0;
};

struct ParticleCloud {
    std::vector<Particle> particles;  // oldest first
    const ImageCopy* cardImage = nullptr;  // not owned
};

bool dropSelection(Game& game);
void removeDroppedCards(Game& game, bool wholeHand);
void spawnCardParticles(Game& game, const Card& card);
void clearParticles(ParticleCloud& cloud);
// One frame of ageing after the particles were drawn: each loses a unit of
// life, and those already at 0 are removed.
void ageParticles(ParticleCloud& cloud);

}  // namespace pelmora
