#include "frame/main_loop.h"

#include "frame/clock.h"
#include "frame/game.h"
#include "frame/input.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "view/scene.h"

namespace pelmora {

namespace {

// The tick cue sounds once per countdown, on the first frame showing 04 or less.
constexpr uint32_t WarningBelow = 5;

// Escape leaves a game for the menu, and the menu for good.
// Gives false when the program is to end.
bool handleEscape(Game& game) {
    if (!game.input.keys[vk::Escape] || !gateAllows(game.gate, game.system)) return true;
    game.gate.lastAction = game.system.tickCount();
    if (game.mode == ModeMenu) return false;
    abandonGame(game);
    return true;
}

Picture currentPicture(const Game& game) {
    return game.mode == ModePlaying ? scenePicture(sceneView(game)) : menuPicture(menuView(game));
}

void drawFrame(Game& game) {
    game.renderer.clearFrame();
    if (game.mode == ModePlaying) {
        TurnContext turn = turnContext(game);
        drawGameScene(game.renderer, turn, sceneView(game), game.cloud);
    } else {
        drawMenuScreen(game.renderer, menuView(game));
    }
    game.system.swapBuffers();
}

// Draws the frame unless the window already shows its picture; gives whether
// it drew. What is kept is the picture as drawn: after the turn's step, and
// with the dust as it was before it aged.
bool presentFrame(Game& game) {
    if (!needsDrawing(game.shown, currentPicture(game))) return false;
    const bool dust = !game.cloud.particles.empty();
    drawFrame(game);
    game.shown.picture = currentPicture(game);
    if (game.mode == ModePlaying) game.shown.picture.dust = dust;
    game.shown.valid = true;
    return true;
}

// The clock runs only while playing; the step that reaches 00 ends the game
// in the same frame, so 00 is never drawn.
void runGameClock(Game& game) {
    GameClock& clock = game.clock;
    tickGameClock(clock, game.system);
    if (clock.countdownTens == 0 && clock.countdownUnits == 0) {
        endGameOnTimeout(game);
        return;
    }
    if (clock.countdownTens == 0 && clock.countdownUnits < WarningBelow && !clock.warned) {
        clock.warned = true;
        playTick(game.cues);
    }
}

int32_t runWindowedLoop(Game& game) {
    WindowContext window = windowContext(game);
    if (!createGameWindow(window)) return 0;
    while (game.window.running) {
        Message message;
        if (game.system.peekMessage(message)) {
            if (message.kind == MessageKind::Quit) {
                game.exitCode = message.exitCode;
                break;
            }
            game.system.dispatchMessage(message);
            continue;
        }
        if (!runFrame(game)) break;
    }
    destroyGameWindow(window);
    return game.exitCode;
}

}  // namespace

int32_t runMainLoop(Game& game) {
    game.mode = ModeMenu;
    game.gate.delay = 1000;
    game.gate.lastAction = 0;
    // Escape in the menu and the quit item end the program normally, like a close.
    game.exitCode = 0;
    // Registered before the window exists: the system sends messages while
    // it creates and shows it.
    game.system.setWindowProcedure(
        [&game](const Message& message) { return windowProcedure(game, message); });
    const int32_t rc = runWindowedLoop(game);
    game.system.setWindowProcedure(nullptr);
    return rc;
}

bool runFrame(Game& game) {
    // A minimised window draws nothing and its clock stands still.
    bool drawn = false;
    if (game.input.active) {
        if (!handleEscape(game)) return false;
        drawn = presentFrame(game);
        if (game.mode == ModePlaying) runGameClock(game);
    }
    // A frame that drew nothing has no swap to pace the loop: the system
    // waits for the next message or the next refresh instead.
    if (!drawn) game.system.skipSwap();
    runFrameInput(game);
    return game.window.running;
}

}  // namespace pelmora
