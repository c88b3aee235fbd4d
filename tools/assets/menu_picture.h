// The "Menu" texture: the picture behind the menu. It is drawn for a square
// image that the game stretches over the 1024 x 768 window.
#pragma once

#include <cairo.h>

namespace assets {

constexpr double MenuWindowWidth = 1024.0;
constexpr double MenuWindowHeight = 768.0;

// Paints a square image, drawing in window pixels (y down) squeezed to fit.
void paintMenuPicture(cairo_t* cr, int imageSize);

}  // namespace assets
