#include "platform/sound.h"

#include "frame/game.h"

namespace pelmora {

namespace {
void playCue(Game& game, const char* path) {
    game.soundPath = path;
    game.system.playSound(game.soundPath);
}
}  // namespace

void playDrop(Game& game) { playCue(game, "sounds\\drop.wav"); }
void playFlip(Game& game) { playCue(game, "sounds\\flip.wav"); }
void playNewGame(Game& game) { playCue(game, "sounds\\newgame.wav"); }
void playNoDrop(Game& game) { playCue(game, "sounds\\nodrop.wav"); }
void playSelect(Game& game) { playCue(game, "sounds\\select.wav"); }
void playTick(Game& game) { playCue(game, "sounds\\tick.wav"); }
void playUnselectable(Game& game) { playCue(game, "sounds\\unselectable.wav"); }

}  // namespace pelmora
