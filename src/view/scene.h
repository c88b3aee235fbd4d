// One frame of the game scene or the menu screen.
#pragma once

#include "view/renderer.h"

namespace pelmora {

struct TurnContext;

// Steps the turn animation, draws the scene, then ages the dust.
bool drawGameScene(Renderer& renderer, TurnContext& turn, const SceneView& scene,
                   ParticleCloud& cloud);
bool drawMenuScreen(Renderer& renderer, const MenuView& menu);

}  // namespace pelmora
