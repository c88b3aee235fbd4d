#include "assets/image_files.h"

#include <cstdint>
#include <cstddef>
#include <cstring>

#include <SDL.h>

namespace assets {
namespace {

// Hands each Cairo pixel, one native 32-bit word, to write with the
// bitmap's bytes for it.
template <typename WritePixel>
void copyPixels(cairo_surface_t* from, SDL_Surface* to, int bytesPerPixel, WritePixel write) {
    cairo_surface_flush(from);
    const unsigned char* source = cairo_image_surface_get_data(from);
    const int sourceStride = cairo_image_surface_get_stride(from);
    auto* target = static_cast<uint8_t*>(to->pixels);
    for (int y = 0; y < to->h; ++y) {
        const unsigned char* row = source + static_cast<ptrdiff_t>(y) * sourceStride;
        uint8_t* out = target + static_cast<ptrdiff_t>(y) * to->pitch;
        for (int x = 0; x < to->w; ++x) {
            uint32_t word;
            std::memcpy(&word, row + 4 * x, sizeof word);
            write(word, out + bytesPerPixel * x);
        }
    }
}

// A word is 0x00RRGGBB; the surface format BGR24 stores bytes blue, green,
// red, as a 24-bit bitmap does.
void copyPixels(cairo_surface_t* from, SDL_Surface* to) {
    copyPixels(from, to, 3, [](uint32_t word, uint8_t* out) {
        out[0] = static_cast<uint8_t>(word & 0xFF);
        out[1] = static_cast<uint8_t>((word >> 8) & 0xFF);
        out[2] = static_cast<uint8_t>((word >> 16) & 0xFF);
    });
}

// Cairo premultiplies its alpha; a bitmap's colours stand alone.
void copyPixelsWithAlpha(cairo_surface_t* from, SDL_Surface* to) {
    copyPixels(from, to, 4, [](uint32_t word, uint8_t* out) {
        const uint32_t alpha = word >> 24;
        uint32_t straight = alpha << 24;
        for (int shift = 0; shift < 24 && alpha > 0; shift += 8) {
            const uint32_t channel = (word >> shift) & 0xFF;
            straight |= ((channel * 255 + alpha / 2) / alpha) << shift;
        }
        std::memcpy(out, &straight, sizeof straight);
    });
}

bool saveSurface(SDL_Surface* image, const std::string& path, std::string& error) {
    const bool saved = SDL_SaveBMP(image, path.c_str()) == 0;
    if (!saved) error = std::string("cannot write ") + path + ": " + SDL_GetError();
    SDL_FreeSurface(image);
    return saved;
}

}  // namespace

bool saveBitmap32(cairo_surface_t* surface, const std::string& path, std::string& error) {
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    SDL_Surface* image = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (image == nullptr) {
        error = std::string("cannot make a picture for ") + path + ": " + SDL_GetError();
        return false;
    }
    copyPixelsWithAlpha(surface, image);
    return saveSurface(image, path, error);
}

bool saveBitmap24(cairo_surface_t* surface, const std::string& path, std::string& error) {
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    SDL_Surface* image = SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_BGR24);
    if (image == nullptr) {
        error = std::string("cannot make a picture for ") + path + ": " + SDL_GetError();
        return false;
    }
    copyPixels(surface, image);
    return saveSurface(image, path, error);
}

bool savePng(cairo_surface_t* surface, const std::string& path, std::string& error) {
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status == CAIRO_STATUS_SUCCESS) return true;
    error = "cannot write " + path + ": " + cairo_status_to_string(status);
    return false;
}

}  // namespace assets
