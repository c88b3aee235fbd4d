// Writing pictures: the game's textures as 24-bit uncompressed bitmaps, the
// window's icon as a 32-bit one, the previews as PNG.
#pragma once

#include <string>

#include <cairo.h>

namespace assets {

// Writes the surface as a 24-bit bitmap; false with the reason in `error`.
bool saveBitmap24(cairo_surface_t* surface, const std::string& path, std::string& error);
// Writes a surface with alpha as a 32-bit bitmap with straight (not
// premultiplied) alpha.
bool saveBitmap32(cairo_surface_t* surface, const std::string& path, std::string& error);
bool savePng(cairo_surface_t* surface, const std::string& path, std::string& error);

}  // namespace assets
