// Bitmaps are decoded by SDL once the shared header check has held the
// header's claims against the file's size; the picture is then turned into
// the game's row order and channel order.
#include "platform/sdl/bitmap.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

#include "platform/bitmap_file.h"

namespace pelmora {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

// At most one byte past the cap, whatever the file claims its size to be.
bool readBounded(const std::string& path, std::vector<uint8_t>& bytes) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return false;
    // The size only sizes the buffer; the reading itself stops at the cap.
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(file.get());
        if (size > 0) bytes.reserve(std::min(static_cast<std::size_t>(size), MaxBitmapFileBytes) + 1);
        std::rewind(file.get());
    }
    uint8_t chunk[1 << 16];
    std::size_t n = 0;
    while (bytes.size() <= MaxBitmapFileBytes && (n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.insert(bytes.end(), chunk, chunk + n);
    return !std::ferror(file.get()) && bytes.size() <= MaxBitmapFileBytes;
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
    if (bytes.empty() || !bitmapHeaderFits(bytes.data(), bytes.size(), bytes.size())) return {};
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
