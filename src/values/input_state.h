// The keys held, the cursor, and the cube's tilt toward it: written by the
// input handling and the turn, read by the drawing.
#pragma once

#include <array>
#include <cstdint>

namespace pelmora {

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

}  // namespace pelmora
