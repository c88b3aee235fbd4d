// The seven sound cues.
#pragma once

namespace pelmora {

struct Game;

void playDrop(Game& game);
void playFlip(Game& game);
void playNewGame(Game& game);
void playNoDrop(Game& game);
void playSelect(Game& game);
void playTick(Game& game);
void playUnselectable(Game& game);

}  // namespace pelmora
