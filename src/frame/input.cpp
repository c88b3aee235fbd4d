// The cursor in window coordinates and the cube's lean toward it.
#include "frame/input.h"

#include "frame/game.h"

namespace pelmora {

namespace {

constexpr double MaxTilt = 10.0;   // degrees, at the window's edges
constexpr double DeadZone = 5.0;   // pixels either side of the centre

}  // namespace

void readCursor(Game& game) {
    const Point client = game.system.screenToClient(game.system.cursorPosition());
    game.input.cursorX = client.x;
    game.input.cursorY = client.y;
}

double tiltFromCursor(Game& game, int axis) {
    readCursor(game);
    const bool vertical = axis == 0;
    const double position = vertical ? game.input.cursorY : game.input.cursorX;
    const uint32_t size = vertical ? game.window.height : game.window.width;
    const double half = size / 2;
    const double limit = half - DeadZone;
    if (position <= limit) return (limit - position) / limit * MaxTilt;
    if (position < half + DeadZone) return 0.0;
    return -(limit - (size - position)) / limit * MaxTilt;
}

void updateCursorTilt(Game& game) {
    game.input.tiltX = tiltFromCursor(game, 0);
    game.input.tiltY = tiltFromCursor(game, 1);
    game.input.tiltZ = 0.0;
}

}  // namespace pelmora
