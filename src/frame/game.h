// Every record the running game keeps, in one place, so that a test can build
// a fresh game over a fake system and renderer.
#pragma once

#include <string>

#include "board/board.h"
#include "frame/clock.h"
#include "frame/input.h"
#include "platform/random.h"
#include "platform/system.h"
#include "platform/textures.h"
#include "platform/window.h"
#include "play/drop.h"
#include "play/hand.h"
#include "play/selection.h"
#include "scores/top_score.h"
#include "view/renderer.h"
#include "view/turn.h"

namespace pelmora {

struct Game {
    Game(System& sys, Renderer& gfx) : system(sys), renderer(gfx) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    System& system;
    Renderer& renderer;

    // Built in this order at start-up.
    AppWindow window;
    TextureRegistry textures;
    ParticleCloud cloud;
    std::string soundPath;
    Selection selection;
    GameMode mode = ModeMenu;
    MenuPage menuPage = PageNewGame;
    ActionGate gate;
    GameClock clock;
    ScoreDigits score{0};
    Board board;
    Hand hand;
    CubeTurn turn;
    InputState input;
    TopScore topScore;
    Random random;
    // The exit code of the quit message that ended the loop.
    int exitCode = 0;
};

}  // namespace pelmora
