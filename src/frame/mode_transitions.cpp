// Starting, pausing, resuming and ending games.
#include "board/deal.h"
#include "frame/game.h"
#include "frame/input.h"
#include "frame/main_loop.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "view/tilt.h"

namespace pelmora {

namespace {

// Where the program can be ended without notice, waiting for the exit to
// write the top score could lose it; a write that fails is tried again there.
void keepTopScoreNow(Game& game) {
    if (saveTopScore(game.topScore)) game.system.persistFiles();
}

void enterMenu(Game& game, MenuPage page) {
    game.menuPage = page;
    game.mode = ModeMenu;
    applyProjection(game.renderer, game.window, game.mode);
}

}  // namespace

void dealNewGame(Game& game) {
    game.random.seed(static_cast<uint32_t>(game.system.calendarSeconds()));
    dealBoard(game.board, game.random);
    resetGameClock(game.clock);
    resetScore(game.score);
}

void startNewGame(Game& game) {
    // A paused game may still hold selected cards, and the deal destroys every card.
    clearSelection(game.selection);
    dealNewGame(game);
    game.mode = ModePlaying;
    const ScreenSize screen = game.system.primaryScreenSize();
    game.system.setCursorPosition(
        {static_cast<int32_t>(screen.width / 2), static_cast<int32_t>(screen.height / 2)});
    // The edge dwell reads the last known position; without a fresh reading a
    // cursor that was left at an edge (or never read) would turn the new cube
    // by itself when the system reports no move for the jump.
    readCursor(game.input, game.system);
    applyProjection(game.renderer, game.window, game.mode);
    playNewGame(game.cues);
}

void pauseGame(Game& game) {
    game.gate.lastAction = game.system.tickCount();
    enterMenu(game, PagePaused);
}

void resumeGame(Game& game) {
    game.gate.lastAction = game.system.tickCount();
    game.mode = ModePlaying;
    applyProjection(game.renderer, game.window, game.mode);
}

void abandonGame(Game& game) {
    clearSelection(game.selection);
    game.board.reset();
    enterMenu(game, PageNewGame);
}

// Only a game that runs out of time can set a new top score.
void endGameOnTimeout(Game& game) {
    if (beatsTopScore(game.topScore, game.score)) {
        storeTopScore(game.topScore, game.clock, game.score);
        if (game.system.mayCloseWithoutNotice()) keepTopScoreNow(game);
    }
    clearSelection(game.selection);
    game.board.reset();
    enterMenu(game, PageGameOver);
}

void endGameOnClearedBoard(Game& game) {
    // An empty board leaves nothing selected; cleared all the same, so that no
    // reference can outlive the cards the reset destroys.
    clearSelection(game.selection);
    game.board.reset();
    enterMenu(game, PageGameWon);
}

}  // namespace pelmora
