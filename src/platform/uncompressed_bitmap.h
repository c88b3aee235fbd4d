// A decoder for the one kind of bitmap the game ships: 24 bits per pixel,
// uncompressed. Where the system offers no bitmap loader of its own (the
// browser), the packaged textures go through it, after the shared header
// check.
#pragma once

#include <cstddef>
#include <cstdint>

#include "values/image.h"

namespace pelmora {

// The file's pixels as the game holds them: rows from the bottom up, red,
// green, blue, no padding. Any other depth or compression, a header the
// shared check refuses, or a file cut short gives loaded false.
Image decodeUncompressedBitmap(const uint8_t* file, std::size_t size);

}  // namespace pelmora
