// The page's key names as the desktop's virtual-key codes.
#pragma once

#include <cstdint>

namespace pelmora {

// From the key's value (KeyboardEvent.key), or, where that is no Latin
// letter or digit (another layout, Alt on some systems), from the key's place
// (KeyboardEvent.code). 0 for keys the game has no use for.
uint32_t virtualKeyFor(const char* key, const char* code);

// The keys the game plays with, whose default action in the page (scrolling,
// clicking a focused button, find-as-you-type) must not happen.
bool isGameKey(uint32_t virtualKey);

}  // namespace pelmora
