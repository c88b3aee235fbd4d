#include "platform/window.h"

#include "frame/game.h"

namespace pelmora {

bool createGameWindow(Game&) { return false; }
void destroyGameWindow(Game&) {}
bool initGlState(Game&) { return false; }
void applyProjection(Game&) {}

}  // namespace pelmora
