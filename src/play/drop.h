// Dropping a hand: points, cards off the board, dust.
#pragma once

#include <cstdint>
#include <vector>

#include "values/score_digits.h"

namespace pelmora {

class Random;
struct Board;
struct Card;
struct Hand;
struct ImageCopy;
struct Selection;

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

// Everything a drop reads and changes: the cards and the picks, the hand
// they form, the score, the dust, and the generator that gives it its life.
struct PlayState {
    Board& board;
    Selection& selection;
    Hand& hand;
    ScoreDigits& score;
    ParticleCloud& cloud;
    Random& random;
};

bool dropSelection(PlayState& play);
void removeDroppedCards(PlayState& play, bool wholeHand);
void spawnCardParticles(ParticleCloud& cloud, Random& random, const Card& card);
void clearParticles(ParticleCloud& cloud);
// One frame of ageing after the particles were drawn: each loses a unit of
// life, and those already at 0 are removed.
void ageParticles(ParticleCloud& cloud);

}  // namespace pelmora
