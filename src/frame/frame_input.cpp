// The keys and the edge dwell, read once per frame.
#include "frame/game.h"
#include "frame/input.h"
#include "frame/main_loop.h"
#include "view/turn.h"

namespace pelmora {

namespace {

constexpr int64_t EdgeBand = 50;  // pixels at each edge of the client area

bool isDown(const Game& game, uint32_t key) { return game.input.keys[key]; }

void markAction(Game& game) { game.gate.lastAction = game.system.tickCount(); }

void onMenuEnter(Game& game) {
    markAction(game);
    if (game.menuPage == PageNewGame) {
        startNewGame(game);
    } else if (game.menuPage == PageQuit) {
        game.window.running = false;
    } else {
        game.menuPage = PageNewGame;
    }
}

// The first key that holds acts; a key that changes nothing still restarts
// the key delay.
void runMenuKeys(Game& game) {
    if (!gateAllows(game.gate, game.system)) return;
    if (isDown(game, vk::Enter)) {
        onMenuEnter(game);
    } else if (isDown(game, vk::Up)) {
        markAction(game);
        if (game.menuPage == PageQuit) game.menuPage = PageNewGame;
    } else if (isDown(game, vk::Down)) {
        markAction(game);
        if (game.menuPage == PageNewGame) game.menuPage = PageQuit;
    } else if (isDown(game, vk::letter('P')) && game.menuPage == PagePaused) {
        resumeGame(game);
    } else if (isDown(game, vk::Space)) {
        markAction(game);
    }
}

void requestTurn(Game& game, uint8_t direction) {
    TurnContext context = turnContext(game);
    startTurn(context, direction);
}

void disarmDwell(EdgeDwell& dwell) {
    dwell.armed = false;
    dwell.since = 0;
}

void dwellFor(Game& game, uint8_t direction) {
    EdgeDwell& dwell = game.input.edgeDwell;
    if (!dwell.armed) {
        dwell.armed = true;
        dwell.since = game.system.tickCount();
        return;
    }
    dwell.testedAt = game.system.tickCount();
    if (dwell.testedAt - dwell.since > dwell.dwellTime) requestTurn(game, direction);
}

bool insideClientArea(int64_t x, int64_t y, int64_t width, int64_t height) {
    return x >= 0 && y >= 0 && x < width && y < height;
}

// A cursor beyond the client area (windowed play, the player busy in another
// window) lies in no band: the cube stays put until the cursor comes back in.
// The comparisons are signed, so a position left of or above the window is not
// mistaken for one far to the right or below.
void runEdgeDwell(Game& game) {
    const int64_t x = game.input.cursorX;
    const int64_t y = game.input.cursorY;
    const int64_t width = game.window.width;
    const int64_t height = game.window.height;
    if (!insideClientArea(x, y, width, height)) {
        disarmDwell(game.input.edgeDwell);
    } else if (y >= height - EdgeBand) {
        dwellFor(game, TurnDown);
    } else if (y < EdgeBand) {
        dwellFor(game, TurnUp);
    } else if (x >= width - EdgeBand) {
        dwellFor(game, TurnRight);
    } else if (x < EdgeBand) {
        dwellFor(game, TurnLeft);
    } else {
        disarmDwell(game.input.edgeDwell);
    }
}

// Gives false when the game was paused, which ends the frame's input work.
bool runPlayKeys(Game& game) {
    if (game.turn.turnRunning || !gateAllows(game.gate, game.system)) return true;
    // A started turn refuses the others, so at most the first of these acts.
    if (isDown(game, vk::letter('A'))) requestTurn(game, TurnLeft);
    if (isDown(game, vk::letter('D'))) requestTurn(game, TurnRight);
    if (isDown(game, vk::letter('W'))) requestTurn(game, TurnUp);
    if (isDown(game, vk::letter('S'))) requestTurn(game, TurnDown);
    if (isDown(game, vk::letter('P'))) {
        pauseGame(game);
        return false;
    }
    runEdgeDwell(game);
    return true;
}

}  // namespace

void runFrameInput(Game& game) {
    if (game.mode == ModeMenu) {
        runMenuKeys(game);
        return;
    }
    if (runPlayKeys(game)) game.input.pinMark = false;
}

}  // namespace pelmora
