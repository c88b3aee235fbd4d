// The typefaces the artwork is lettered with, read straight from their font
// files so the pictures never depend on which fallback font a machine picks.
#pragma once

#include <string>

#include <cairo.h>

namespace assets {

enum class Font { Sans, SansBold, SerifBold };

// Loads every face once; false with the missing file named in `error`.
bool loadFonts(std::string& error);
// The loaded face; loadFonts must have succeeded first.
cairo_font_face_t* fontFace(Font font);
// Drops the faces and Cairo's caches of them.
void releaseFonts();

}  // namespace assets
