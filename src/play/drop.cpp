#include "play/drop.h"

#include "frame/game.h"

namespace pelmora {

bool dropSelection(Game&) { return false; }
void removeDroppedCards(Game&, bool) {}
void spawnCardParticles(Game&, const Card&) {}
void clearParticles(ParticleCloud& cloud) { cloud.particles.clear(); }
void ageParticles(ParticleCloud&) {}

}  // namespace pelmora
