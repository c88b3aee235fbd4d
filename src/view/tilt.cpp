// The cursor in window coordinates and the cube's lean toward it.
#include "view/tilt.h"

#include "platform/system.h"
#include "platform/window.h"

namespace pelmora {

namespace {

constexpr double MaxTilt = 10.0;   // degrees, at the window's edges
constexpr double DeadZone = 5.0;   // pixels either side of the centre

}  // namespace

void readCursor(InputState& input, System& system) {
    const Point client = system.screenToClient(system.cursorPosition());
    input.cursorX = client.x;
    input.cursorY = client.y;
}

double tiltFromCursor(InputState& input, System& system, const AppWindow& window, int axis) {
    readCursor(input, system);
    const bool vertical = axis == 0;
    const double position = vertical ? input.cursorY : input.cursorX;
    const uint32_t size = vertical ? window.height : window.width;
    const double half = size / 2;
    const double limit = half - DeadZone;
    if (position <= limit) return (limit - position) / limit * MaxTilt;
    if (position < half + DeadZone) return 0.0;
    return -(limit - (size - position)) / limit * MaxTilt;
}

void updateCursorTilt(InputState& input, System& system, const AppWindow& window) {
    input.tiltX = tiltFromCursor(input, system, window, 0);
    input.tiltY = tiltFromCursor(input, system, window, 1);
    input.tiltZ = 0.0;
}

}  // namespace pelmora
