// Whether a game is being played, and which menu screen shows when it is not.
#pragma once

#include <cstdint>

namespace pelmora {

enum GameMode : int32_t { ModeMenu = 0, ModePlaying = 1 };

// Which menu screen is shown while in the menu.
enum MenuPage : int32_t {
    PageNewGame = 0,
    PageQuit = 1,
    PagePaused = 2,
    PageGameWon = 3,
    PageGameOver = 4,
};

}  // namespace pelmora
