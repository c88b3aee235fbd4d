// One frame of the game scene or the menu screen.
#pragma once

namespace pelmora {

struct Game;

// Steps the turn animation, draws the scene, then ages the dust.
bool drawGameScene(Game& game);
bool drawMenuScreen(Game& game);

}  // namespace pelmora
