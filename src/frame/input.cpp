#include "frame/input.h"

#include "frame/game.h"

namespace pelmora {

int32_t windowProcedure(Game&, const Message&) { return 0; }
void runFrameInput(Game&) {}
void readCursor(Game&) {}
double tiltFromCursor(Game&, int) { return 0.0; }
void updateCursorTilt(Game&) {}

}  // namespace pelmora
