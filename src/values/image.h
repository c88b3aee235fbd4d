// Bitmaps as the game holds them: as loaded, and as kept after upload for the
// card dust to take its colours from. Both run from the bottom row upward.
#pragma once

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
