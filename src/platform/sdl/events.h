// Turning SDL events into the game's window messages.
#pragma once

#include <SDL_events.h>

#include <cstdint>

#include "platform/system.h"

namespace pelmora {

// The desktop virtual-key code for an SDL key symbol; 0 for keys the game
// has no use for.
uint32_t virtualKeyFor(SDL_Keycode key);

// Fills out with the message an event stands for and gives true, or gives
// false for events the game does not hear about. minimised follows the
// window's state so that every Activate carries it.
bool translateEvent(const SDL_Event& event, bool& minimised, Message& out);

}  // namespace pelmora
