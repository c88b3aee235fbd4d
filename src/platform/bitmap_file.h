// What both systems' bitmap loaders share: the header's claims held against
// the file's real size before any loader allocates for it or is handed the
// file, so a few bytes that claim a huge picture, or a file cut short, fail
// here on every system; and the turn of a file's blue-green-red row into the
// game's red-green-blue.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pelmora {

// The file header and the fields every info header starts with: all the
// check reads.
constexpr std::size_t BitmapHeaderBytes = 54;
// Far beyond any picture the game draws.
constexpr int64_t MaxBitmapSide = 16384;
// Room for an uncompressed 24-bit picture of 8192 by 8192 and its headers.
constexpr uint64_t MaxBitmapFileBytes = uint64_t{256} << 20;

// Whether a file of fileBytes bytes that starts with the headerBytes bytes
// at header holds what its header claims: a known header, a picture of at
// most MaxBitmapSide on a side, the colour table, and the pixel rows (or a
// run-length stream long enough to paint them) inside the file.
bool bitmapHeaderFits(const uint8_t* header, std::size_t headerBytes, uint64_t fileBytes);

// Copies a row of pixels stored blue, green, red into one of red, green, blue.
void bgrRowToRgb(const uint8_t* bgr, uint8_t* rgb, std::size_t pixels);

}  // namespace pelmora
