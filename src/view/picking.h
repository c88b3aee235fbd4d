// Which place of the front face lies under the cursor.
#pragma once

#include <cstdint>

#include "board/board.h"

namespace pelmora {

Place pickPlace(const Face& face, int32_t cursorX, int32_t cursorY);

}  // namespace pelmora
