// Every record the running game keeps, in one place, so that a test can build
// a fresh game over a fake system and renderer. Only the frame sees it whole:
// it hands each operation below it the records that operation works on.
#pragma once

#include "board/board.h"
#include "frame/clock.h"
#include "frame/input.h"
#include "platform/sound.h"
#include "platform/system.h"
#include "platform/textures.h"
#include "platform/window.h"
#include "play/drop.h"
#include "play/hand.h"
#include "play/selection.h"
#include "scores/top_score.h"
#include "values/input_state.h"
#include "values/modes.h"
#include "values/random.h"
#include "view/picture.h"
#include "view/renderer.h"
#include "view/turn.h"

namespace pelmora {

struct Game {
    Game(System& sys, Renderer& gfx) : system(sys), renderer(gfx), cues(sys) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    System& system;
    Renderer& renderer;

    // Built in this order at start-up.
    AppWindow window{system};
    TextureRegistry textures;
    ParticleCloud cloud;
    CuePlayer cues;  // holds the sound path
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
    // What the window shows, so that an unchanged picture is not drawn again.
    ScreenPicture shown;
    // The exit code of the quit message that ended the loop.
    int exitCode = 0;
};

// The records each room below the frame is handed.
inline PlayState playState(Game& g) {
    return {g.board, g.selection, g.hand, g.score, g.cloud, g.random};
}
inline TurnContext turnContext(Game& g) {
    return {g.turn, g.input, g.board, g.cloud, g.gate, g.cues, g.system, g.window};
}
inline WindowContext windowContext(Game& g) {
    return {g.system, g.renderer, g.window, g.textures, g.cloud.cardImage, g.mode};
}
inline SceneView sceneView(const Game& g) {
    return {g.textures, g.board, g.clock, g.score, g.selection, g.cloud, g.input, g.turn};
}
inline MenuView menuView(const Game& g) { return {g.textures, g.topScore.value, g.menuPage}; }

}  // namespace pelmora
