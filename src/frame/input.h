// Window messages and the keyboard and mouse rules of the game.
#pragma once

#include <array>
#include <cstdint>

#include "platform/system.h"

namespace pelmora {

struct AppWindow;
struct Game;

struct EdgeDwell {
    bool armed = false;
    uint32_t since = 0;
    uint32_t testedAt = 0;
    uint32_t dwellTime = 750;
};

struct InputState {
    std::array<bool, 256> keys{};
    int32_t cursorX = 0;  // client coordinates, origin top left
    int32_t cursorY = 0;
    double tiltX = 0.0;   // degrees
    double tiltY = 0.0;
    double tiltZ = 0.0;
    EdgeDwell edgeDwell;
    bool pinMark = false;
    bool active = true;
};

// Handles one message; gives the message result (0 when handled).
int32_t windowProcedure(Game& game, const Message& message);
void runFrameInput(Game& game);
// The cursor in client coordinates, into cursorX and cursorY.
void readCursor(InputState& input, System& system);
// Reads the cursor, then gives the tilt toward it for axis 0 (vertical) or
// 1 (horizontal) of a window of this size.
double tiltFromCursor(InputState& input, System& system, const AppWindow& window, int axis);
void updateCursorTilt(InputState& input, System& system, const AppWindow& window);

}  // namespace pelmora
