// Felt: the cloth of the cube faces and of the menu picture.
#pragma once

#include <cstdint>

#include <cairo.h>

namespace assets {

// Adds a fine even grain to every pixel, the same for every run.
void addGrain(cairo_surface_t* surface, uint32_t seed, double strength);

// The "CubeSurface" texture: a square of green felt inside a wooden rim.
void paintCubeSurface(cairo_t* cr, int size);

}  // namespace assets
