#include "platform/uncompressed_bitmap.h"

#include <algorithm>

#include "platform/bitmap_file.h"

namespace pelmora {
namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr uint32_t CoreHeaderSize = 12;
constexpr uint32_t InfoHeaderSize = 40;

uint32_t readU16(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8; }
uint32_t readU32(const uint8_t* p) { return readU16(p) | readU16(p + 2) << 16; }

struct Layout {
    int32_t width = 0;
    int32_t height = 0;
    bool topDown = false;
    uint32_t pixelOffset = 0;
};

// The header check has already held width, height and the rows against the
// file; what is left is whether this decoder can read the picture at all.
bool readLayout(const uint8_t* file, Layout& layout) {
    const uint8_t* info = file + FileHeaderSize;
    const uint32_t infoSize = readU32(info);
    layout.pixelOffset = readU32(file + 10);
    if (infoSize == CoreHeaderSize) {
        layout.width = static_cast<int32_t>(readU16(info + 4));
        layout.height = static_cast<int32_t>(readU16(info + 6));
        return readU16(info + 10) == 24;
    }
    if (infoSize < InfoHeaderSize || readU16(info + 14) != 24 || readU32(info + 16) != 0) return false;
    layout.width = static_cast<int32_t>(readU32(info + 4));
    layout.height = static_cast<int32_t>(readU32(info + 8));
    layout.topDown = layout.height < 0;
    if (layout.topDown) layout.height = -layout.height;
    return true;
}

}  // namespace

Image decodeUncompressedBitmap(const uint8_t* file, std::size_t size) {
    Layout layout;
    const std::size_t headerBytes = std::min(size, BitmapHeaderBytes);
    if (!bitmapHeaderFits(file, headerBytes, size) || !readLayout(file, layout)) return {};
    const auto width = static_cast<std::size_t>(layout.width);
    const auto height = static_cast<std::size_t>(layout.height);
    const std::size_t stride = (width * 3 + 3) / 4 * 4;
    Image image;
    image.pixels.resize(width * 3 * height);
    for (std::size_t row = 0; row < height; ++row) {
        const std::size_t stored = layout.topDown ? height - 1 - row : row;
        bgrRowToRgb(file + layout.pixelOffset + stored * stride, image.pixels.data() + row * width * 3,
                    width);
    }
    image.width = layout.width;
    image.height = layout.height;
    image.loaded = true;
    return image;
}

}  // namespace pelmora
