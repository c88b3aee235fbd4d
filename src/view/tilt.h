// The cube's lean toward the cursor: set by mouse moves, and by the turn,
// which carries it over into the face it brings forward.
#pragma once

#include "values/input_state.h"

namespace pelmora {

class System;
struct AppWindow;

// The cursor in client coordinates, into cursorX and cursorY.
void readCursor(InputState& input, System& system);
// Reads the cursor, then gives the tilt toward it for axis 0 (vertical) or
// 1 (horizontal) of a window of this size.
double tiltFromCursor(InputState& input, System& system, const AppWindow& window, int axis);
void updateCursorTilt(InputState& input, System& system, const AppWindow& window);

}  // namespace pelmora
