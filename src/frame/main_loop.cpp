#include "frame/main_loop.h"

#include "frame/game.h"

namespace pelmora {

int32_t runMainLoop(Game&) { return 0; }
bool runFrame(Game&) { return false; }
void startNewGame(Game&) {}
void pauseGame(Game&) {}
void resumeGame(Game&) {}
void abandonGame(Game&) {}
void endGameOnTimeout(Game&) {}
void endGameOnClearedBoard(Game&) {}

}  // namespace pelmora
