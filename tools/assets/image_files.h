// Writing pictures: the game's textures as 24-bit uncompressed bitmaps, the
// previews as PNG.
#pragma once

#include <string>

#include <cairo.h>

namespace assets {

// Writes the surface as a 24-bit bitmap; false with the reason in `error`.
bool saveBitmap24(cairo_surface_t* surface, const std::string& path, std::string& error);
bool savePng(cairo_surface_t* surface, const std::string& path, std::string& error);

}  // namespace assets
