// Window messages and the keyboard and mouse rules of the game.
#pragma once

#include <cstdint>

#include "platform/system.h"

namespace pelmora {

struct Game;

// Handles one message; gives the message result (0 when handled).
int32_t windowProcedure(Game& game, const Message& message);
void runFrameInput(Game& game);

}  // namespace pelmora
