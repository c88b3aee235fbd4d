// The "SubMenuPlots" texture: the five menu panels, each 382 x 264 pixels and
// shown pixel for pixel in the middle of the menu screen.
#pragma once

#include <cairo.h>

namespace assets {

void paintMenuPanels(cairo_t* cr);

}  // namespace assets
