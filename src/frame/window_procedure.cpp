// What each window message does to the game.
#include "frame/game.h"
#include "frame/input.h"
#include "frame/main_loop.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "view/picking.h"
#include "view/tilt.h"

namespace pelmora {

namespace {

constexpr int32_t Handled = 0;

bool isKnownKey(const Game& game, uint32_t key) { return key < game.input.keys.size(); }

void setKey(Game& game, uint32_t key, bool down) {
    // The keyboard array has 256 entries; a code beyond them is no key of ours.
    if (!isKnownKey(game, key)) return;
    game.input.keys[key] = down;
    // Releasing any key lets the next press act at once.
    if (!down) game.gate.lastAction = 0;
}

// The faces are renamed after a turn at the first mouse move, and only then
// does the tilt follow the cursor again.
void settleFinishedTurn(Game& game) {
    if (game.turn.turnFinished) {
        game.turn.turnFinished = false;
        clearParticles(game.cloud);
        commitTurn(game.turn, game.board);
    }
    updateCursorTilt(game.input, game.system, game.window);
}

// While a turn runs the cursor stays where it was; putting it back raises one
// more move, which the pin mark lets pass.
void pinCursor(Game& game) {
    InputState& input = game.input;
    if (input.pinMark) return;
    game.system.setCursorPosition(game.system.clientToScreen({input.cursorX, input.cursorY}));
    input.pinMark = true;
}

void onMouseMove(Game& game) {
    if (game.turn.turnRunning) {
        pinCursor(game);
    } else {
        settleFinishedTurn(game);
    }
}

void onLeftButtonUp(Game& game) {
    // While the cube turns the front face is on its way out of sight, and
    // until the faces are renamed index 0 is still the face that left:
    // a click must never pick a card the player cannot see.
    if (game.turn.turnRunning) return;
    if (game.turn.turnFinished) settleFinishedTurn(game);
    const Face* front = game.board.face(0);
    if (front == nullptr) return;
    const Place place = pickPlace(*front, game.input.cursorX, game.input.cursorY);
    toggleSelection(game.selection, front->cardAt(place), game.cues);
}

void onRightButtonUp(Game& game) {
    PlayState play = playState(game);
    if (!dropSelection(play)) {
        clearSelection(game.selection);
        playNoDrop(game.cues);
        return;
    }
    refillCountdown(game.clock);
    if (game.board.cardCount() == 0) {
        endGameOnClearedBoard(game);
    } else {
        playDrop(game.cues);
    }
}

// The mouse acts only while playing; in the menu its messages are swallowed.
void onMouse(Game& game, MessageKind kind) {
    if (game.mode != ModePlaying) return;
    if (kind == MessageKind::MouseMove) onMouseMove(game);
    if (kind == MessageKind::LeftButtonUp) onLeftButtonUp(game);
    if (kind == MessageKind::RightButtonUp) onRightButtonUp(game);
}

// The screen saver and monitor power-down stay off while the game runs.
int32_t onSystemCommand(SystemCommandKind command) {
    if (command == SystemCommandKind::ScreenSaver || command == SystemCommandKind::MonitorPower) {
        return Handled;
    }
    return MessageLeftToSystem;
}

}  // namespace

int32_t windowProcedure(Game& game, const Message& message) {
    switch (message.kind) {
    case MessageKind::Activate:
        game.input.active = !message.minimised;
        game.shown.valid = false;
        return Handled;
    case MessageKind::SystemCommand:
        return onSystemCommand(message.command);
    case MessageKind::Close:
        game.system.postQuitMessage(0);
        return Handled;
    case MessageKind::KeyDown:
    case MessageKind::KeyUp:
        setKey(game, message.key, message.kind == MessageKind::KeyDown);
        return Handled;
    case MessageKind::Size:
        applyProjection(game.renderer, game.window, game.mode);
        game.shown.valid = false;
        return Handled;
    // The next frame is drawn whole; the system still does its own part.
    case MessageKind::Paint:
        game.shown.valid = false;
        return MessageLeftToSystem;
    case MessageKind::MouseMove:
    case MessageKind::LeftButtonUp:
    case MessageKind::RightButtonUp:
        onMouse(game, message.kind);
        return Handled;
    case MessageKind::SystemKeyDown:
    case MessageKind::SystemKeyUp:
    case MessageKind::Quit:
    case MessageKind::Other:
        break;
    }
    return MessageLeftToSystem;
}

}  // namespace pelmora
