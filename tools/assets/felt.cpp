#include "assets/felt.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

#include "assets/paint.h"
#include "assets/palette.h"

namespace assets {
namespace {

constexpr Rgb FeltCentre = hex(0x2F8051);
constexpr Rgb FeltEdge = hex(0x17553A);
constexpr Rgb RimDark = hex(0x3B2414);
constexpr Rgb RimLight = hex(0x7A4E2B);

uint8_t shifted(uint32_t channel, double amount) {
    return static_cast<uint8_t>(std::clamp(std::lround(channel + amount), 0L, 255L));
}

void paintRim(cairo_t* cr, double size, double rim) {
    // Four bevelled boards: lighter toward the cloth, as if lit from inside.
    for (int side = 0; side < 4; ++side) {
        cairo_save(cr);
        cairo_translate(cr, size / 2, size / 2);
        cairo_rotate(cr, side * M_PI / 2);
        cairo_translate(cr, -size / 2, -size / 2);
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, rim, rim);
        cairo_line_to(cr, rim, size - rim);
        cairo_line_to(cr, 0, size);
        cairo_close_path(cr);
        setGradient(cr, cairo_pattern_create_linear(0, 0, rim, 0), RimDark, RimLight);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

}  // namespace

void addGrain(cairo_surface_t* surface, uint32_t seed, double strength) {
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    Noise noise(seed);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* at = data + static_cast<ptrdiff_t>(y) * stride + 4 * x;
            uint32_t word;
            std::memcpy(&word, at, sizeof word);
            const double amount = noise.signedUnit() * strength;
            word = (uint32_t{shifted((word >> 16) & 0xFF, amount)} << 16) |
                   (uint32_t{shifted((word >> 8) & 0xFF, amount)} << 8) |
                   shifted(word & 0xFF, amount);
            std::memcpy(at, &word, sizeof word);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void paintCubeSurface(cairo_t* cr, int size) {
    const double s = size;
    setGradient(cr, cairo_pattern_create_radial(s / 2, s / 2, 0, s / 2, s / 2, s * 0.72),
                FeltCentre, FeltEdge);
    cairo_paint(cr);
    addGrain(cairo_get_target(cr), 0xC10B5u, 7.0);
    const double rim = s * 0.045;
    paintRim(cr, s, rim);
    // A gold inlay between rim and cloth marks the edge of the face.
    cairo_set_line_width(cr, s / 256.0 * 1.5);
    setColour(cr, TrimGold);
    const double inset = rim + s / 256.0 * 2.5;
    cairo_rectangle(cr, inset, inset, s - 2 * inset, s - 2 * inset);
    cairo_stroke(cr);
    setColour(cr, hex(0x000000), 0.8);
    cairo_set_line_width(cr, 2.0);
    cairo_rectangle(cr, 1, 1, s - 2, s - 2);
    cairo_stroke(cr);
}

}  // namespace assets
