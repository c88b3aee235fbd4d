// Reads bitmap files of any depth and compression SDL knows into the game's
// 24-bit Image layout.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/system.h"

namespace pelmora {

// Rows come out bottom-up and tightly packed as red, green, blue, whatever
// the depth, row order and row padding of the file. A damaged file, or one
// whose header claims more than the file holds, gives loaded false.
Image loadBitmapFile(const std::string& hostPath);
// The same for a whole file already in memory.
Image decodeBitmap(const std::vector<uint8_t>& bytes);

}  // namespace pelmora
