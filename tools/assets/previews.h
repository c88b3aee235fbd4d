// PNG previews for looking at the artwork: each texture as it is, the atlases
// with their regions outlined, and the menu screen, the score bar and a few
// card tiles put together roughly as the game shows them.
#pragma once

#include <string>

#include <cairo.h>

namespace assets {

struct TextureSet {
    cairo_surface_t* menu = nullptr;
    cairo_surface_t* panels = nullptr;
    cairo_surface_t* cloth = nullptr;
    cairo_surface_t* atlas = nullptr;
};

bool writePreviews(const TextureSet& textures, const std::string& folder, std::string& error);

}  // namespace assets
