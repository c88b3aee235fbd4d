#include "view/scene.h"

#include "frame/game.h"

namespace pelmora {

bool drawGameScene(Game& game) {
    game.renderer.drawGameScene(game);
    return true;
}
bool drawMenuScreen(Game& game) {
    game.renderer.drawMenuScreen(game);
    return true;
}

}  // namespace pelmora
