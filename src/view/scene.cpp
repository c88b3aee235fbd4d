#include "view/scene.h"

#include "frame/game.h"
#include "view/turn.h"

namespace pelmora {

// Every particle is drawn before it ages, so drawing first and ageing after
// gives each one life + 1 frames on screen.
bool drawGameScene(Game& game) {
    stepTurnAnimation(game);
    game.renderer.drawGameScene(game);
    ageParticles(game.cloud);
    return true;
}

bool drawMenuScreen(Game& game) {
    game.renderer.drawMenuScreen(game);
    return true;
}

}  // namespace pelmora
