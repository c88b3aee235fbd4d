#include "platform/bitmap_file.h"

namespace pelmora {
namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr uint32_t CoreHeaderSize = 12;  // the oldest info header, 16-bit sizes
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t Uncompressed = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6;
// A run-length pair paints at most 255 pixels from two bytes.
constexpr int64_t MaxPixelsPerRleByte = 128;

struct Claim {
    int64_t width = 0;
    int64_t height = 0;
    uint32_t bits = 0;
    uint32_t compression = Uncompressed;
    int64_t pixelOffset = 0;
    int64_t paletteEnd = 0;  // where the colour table of a picture of 8 bits or fewer ends
};

uint32_t readU16(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}
uint32_t readU32(const uint8_t* p) {
    return readU16(p) | readU16(p + 2) << 16;
}
int64_t readI32(const uint8_t* p) {
    return static_cast<int32_t>(readU32(p));
}

bool readClaim(const uint8_t* b, std::size_t size, Claim& c) {
    if (size < FileHeaderSize + 4 || b[0] != 'B' || b[1] != 'M') return false;
    const uint8_t* info = b + FileHeaderSize;
    const uint32_t infoSize = readU32(info);
    c.pixelOffset = readU32(b + 10);
    if (infoSize == CoreHeaderSize && size >= FileHeaderSize + CoreHeaderSize) {
        c.width = readU16(info + 4);
        c.height = readU16(info + 6);
        c.bits = readU16(info + 10);
        c.paletteEnd = FileHeaderSize + CoreHeaderSize + (c.bits <= 8 ? 3 << c.bits : 0);
        return true;
    }
    if (infoSize < InfoHeaderSize || size < FileHeaderSize + InfoHeaderSize) return false;
    c.width = readI32(info + 4);
    c.height = readI32(info + 8);
    if (c.height < 0) c.height = -c.height;  // stored top-down
    c.bits = readU16(info + 14);
    c.compression = readU32(info + 16);
    if (c.bits <= 8) {
        const uint32_t used = readU32(info + 32);
        const int64_t colours = used != 0 ? used : int64_t{1} << c.bits;
        c.paletteEnd = int64_t{FileHeaderSize} + infoSize + 4 * colours;
    }
    return true;
}

bool fitsInFile(const Claim& c, int64_t fileBytes) {
    if (c.width < 1 || c.width > MaxBitmapSide || c.height < 1 || c.height > MaxBitmapSide) return false;
    if (c.pixelOffset > fileBytes || c.paletteEnd > fileBytes) return false;
    const int64_t data = fileBytes - c.pixelOffset;
    switch (c.compression) {
    case Rle8:
    case Rle4:
        return data > 0 && c.width * c.height <= data * MaxPixelsPerRleByte;
    case Uncompressed:
    case BitFields:
    case AlphaBitFields: {
        if (c.bits == 0 || c.bits > 32) return false;
        const int64_t stride = (c.width * c.bits + 31) / 32 * 4;
        const int64_t lastRow = (c.width * c.bits + 7) / 8;
        return stride * (c.height - 1) + lastRow <= data;
    }
    default:
        return false;
    }
}

}  // namespace

bool bitmapHeaderFits(const uint8_t* header, std::size_t headerBytes, uint64_t fileBytes) {
    Claim claim;
    if (header == nullptr || fileBytes > MaxBitmapFileBytes || headerBytes > fileBytes) return false;
    return readClaim(header, headerBytes, claim) && fitsInFile(claim, static_cast<int64_t>(fileBytes));
}

void bgrRowToRgb(const uint8_t* bgr, uint8_t* rgb, std::size_t pixels) {
    for (std::size_t i = 0; i < pixels * 3; i += 3) {
        rgb[i] = bgr[i + 2];
        rgb[i + 1] = bgr[i + 1];
        rgb[i + 2] = bgr[i];
    }
}

}  // namespace pelmora
