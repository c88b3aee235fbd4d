// The main loop and the transitions between the menu and play.
#pragma once

#include <cstdint>

namespace pelmora {

struct Game;

int32_t runMainLoop(Game& game);
// One idle repetition of the loop: the frame work and the frame input.
// Gives false when the loop is to end (Escape in the menu).
bool runFrame(Game& game);

// Seeds the generator from the calendar, deals all six faces, then resets
// the game clock and the score.
void dealNewGame(Game& game);
void startNewGame(Game& game);
void pauseGame(Game& game);
void resumeGame(Game& game);
void abandonGame(Game& game);
void endGameOnTimeout(Game& game);
void endGameOnClearedBoard(Game& game);

}  // namespace pelmora
