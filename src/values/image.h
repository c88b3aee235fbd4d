// Bitmaps as the game holds them: as loaded, and as kept after upload for the
// card dust to take its colours from. Both run from the bottom row upward.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {

// A loaded 24-bit bitmap: each row exactly width * 3 bytes of red, green, blue.
struct Image {
    bool loaded = false;
    std::vector<uint8_t> pixels;
    int32_t width = 0;
    int32_t height = 0;
};

// Whether the pixels fill width x height x 3 bytes: a texture is made only of
// such an image, so that none is read past its end.
inline bool pixelsFillImage(const Image& image) {
    return image.width > 0 && image.height > 0 &&
           image.pixels.size() >= std::size_t(image.width) * std::size_t(image.height) * 3;
}

// The pixels of an image kept in memory after loading.
struct ImageCopy {
    struct Pixel {
        uint8_t blue = 0;
        uint8_t green = 0;
        uint8_t red = 0;
    };
    std::vector<Pixel> pixels;
    int32_t width = 0;
    int32_t height = 0;
    std::string name;
};

}  // namespace pelmora
