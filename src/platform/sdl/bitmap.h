// Reads 24-bit uncompressed bitmap files into the game's Image layout.
#pragma once

#include <string>

#include "platform/system.h"

namespace pelmora {

// Rows come out bottom-up and tightly packed as red, green, blue, whatever
// the row order and row padding of the file. Anything but an intact 24-bit
// uncompressed bitmap gives an Image with loaded false.
Image loadBitmapFile(const std::string& hostPath);

}  // namespace pelmora
