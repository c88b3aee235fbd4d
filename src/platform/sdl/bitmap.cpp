// Bitmaps are decoded by SDL; the game only checks first that the header
// asks for no more than the file holds, then turns the picture into its own
// row order and channel order.
#include "platform/sdl/bitmap.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

namespace pelmora {
namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr uint32_t CoreHeaderSize = 12;  // the oldest info header, 16-bit sizes
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t Uncompressed = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6;
// Far beyond any picture the game draws.
constexpr int64_t MaxSide = 16384;
// A run-length pair paints at most 255 pixels from two bytes.
constexpr int64_t MaxPixelsPerRleByte = 128;
// Room for an uncompressed 24-bit picture of 8192 by 8192 and its headers.
constexpr std::size_t MaxFileBytes = std::size_t{256} << 20;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

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

bool readClaim(const std::vector<uint8_t>& b, Claim& c) {
    if (b.size() < FileHeaderSize + 4 || b[0] != 'B' || b[1] != 'M') return false;
    const uint8_t* info = b.data() + FileHeaderSize;
    const uint32_t infoSize = readU32(info);
    c.pixelOffset = readU32(b.data() + 10);
    if (infoSize == CoreHeaderSize && b.size() >= FileHeaderSize + CoreHeaderSize) {
        c.width = readU16(info + 4);
        c.height = readU16(info + 6);
        c.bits = readU16(info + 10);
        c.paletteEnd = FileHeaderSize + CoreHeaderSize + (c.bits <= 8 ? 3 << c.bits : 0);
        return true;
    }
    if (infoSize < InfoHeaderSize || b.size() < FileHeaderSize + InfoHeaderSize) return false;
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

// What the header claims must fit in the file before anything is allocated
// for it: a few bytes claiming a huge picture fail like a truncated file.
bool fitsInFile(const Claim& c, std::size_t fileBytes) {
    if (c.width < 1 || c.width > MaxSide || c.height < 1 || c.height > MaxSide) return false;
    if (c.pixelOffset > static_cast<int64_t>(fileBytes)) return false;
    if (c.paletteEnd > static_cast<int64_t>(fileBytes)) return false;
    const int64_t data = static_cast<int64_t>(fileBytes) - c.pixelOffset;
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

// At most one byte past the cap, whatever the file claims its size to be.
bool readBounded(const std::string& path, std::vector<uint8_t>& bytes) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    // The size only sizes the buffer; the reading itself stops at the cap.
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(file.get());
        if (size > 0) bytes.reserve(std::min(static_cast<std::size_t>(size), MaxFileBytes) + 1);
        std::rewind(file.get());
    }
    uint8_t chunk[1 << 16];
    std::size_t n = 0;
    while (bytes.size() <= MaxFileBytes && (n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    return !std::ferror(file.get()) && bytes.size() <= MaxFileBytes;
}

// SDL's rows run from the top; the game's from the bottom, tightly packed.
Image toImage(const SDL_Surface& rgb) {
    Image image;
    image.width = rgb.w;
    image.height = rgb.h;
    const auto rowBytes = static_cast<std::size_t>(rgb.w) * 3;
    image.pixels.resize(rowBytes * static_cast<std::size_t>(rgb.h));
    const auto* rows = static_cast<const uint8_t*>(rgb.pixels);
    for (int y = 0; y < rgb.h; ++y) {
        const uint8_t* from = rows + static_cast<std::size_t>(rgb.h - 1 - y) * static_cast<std::size_t>(rgb.pitch);
        std::memcpy(image.pixels.data() + static_cast<std::size_t>(y) * rowBytes, from, rowBytes);
    }
    image.loaded = true;
    return image;
}

}  // namespace

Image decodeBitmap(const std::vector<uint8_t>& bytes) {
    Claim claim;
    if (!readClaim(bytes, claim) || !fitsInFile(claim, bytes.size())) return {};
    SDL_RWops* memory = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (memory == nullptr) return {};
    Surface raw(SDL_LoadBMP_RW(memory, 1));
    if (!raw) return {};
    Surface rgb(SDL_ConvertSurfaceFormat(raw.get(), SDL_PIXELFORMAT_RGB24, 0));
    raw.reset();
    if (!rgb || SDL_LockSurface(rgb.get()) != 0) return {};
    Image image = toImage(*rgb);
    SDL_UnlockSurface(rgb.get());
    return image;
}

Image loadBitmapFile(const std::string& hostPath) {
    std::vector<uint8_t> bytes;
    if (!readBounded(hostPath, bytes)) return {};
    return decodeBitmap(bytes);
}

}  // namespace pelmora
