#include "view/scene.h"

#include "play/drop.h"
#include "view/turn.h"

namespace pelmora {

// Every particle is drawn before it ages, so drawing first and ageing after
// gives each one life + 1 frames on screen.
bool drawGameScene(Renderer& renderer, TurnContext& turn, const SceneView& scene,
                   ParticleCloud& cloud) {
    stepTurnAnimation(turn);
    renderer.drawScene(scene);
    ageParticles(cloud);
    return true;
}

bool drawMenuScreen(Renderer& renderer, const MenuView& menu) {
    renderer.drawMenu(menu);
    return true;
}

}  // namespace pelmora
