// Bitmaps are decoded by SDL straight from the file, once the shared header
// check has held the header's claims against the file's size; SDL's rows are
// then turned into the game's row and channel order in one pass.
#include "platform/sdl/bitmap.h"

#include <SDL.h>

#include <memory>

#include "platform/bitmap_file.h"

namespace pelmora {
namespace {

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

struct SourceClose {
    void operator()(SDL_RWops* source) const { SDL_RWclose(source); }
};
using Source = std::unique_ptr<SDL_RWops, SourceClose>;

// Reads the front of the file and leaves the source at its start again.
bool headerFits(SDL_RWops* source) {
    const Sint64 size = SDL_RWsize(source);
    uint8_t header[BitmapHeaderBytes];
    const size_t got = size > 0 ? SDL_RWread(source, header, 1, sizeof header) : 0;
    return got > 0 && SDL_RWseek(source, 0, RW_SEEK_SET) == 0 &&
           bitmapHeaderFits(header, got, static_cast<uint64_t>(size));
}

// SDL's rows run from the top in the file's own format; the game's from the
// bottom as packed red, green, blue. Each row goes straight to its place in
// the game's buffer: a 24-bit file's by a channel swap, any other through
// SDL's converter.
bool convertRows(SDL_Surface& decoded, Image& image) {
    const int rowBytes = decoded.w * 3;
    const auto* from = static_cast<const uint8_t*>(decoded.pixels);
    Surface rows(SDL_CreateRGBSurfaceWithFormatFrom(image.pixels.data(), decoded.w, decoded.h, 24,
                                                    rowBytes, SDL_PIXELFORMAT_RGB24));
    // A copy, not a blend, whatever alpha the file carries.
    if (!rows || SDL_SetSurfaceBlendMode(&decoded, SDL_BLENDMODE_NONE) != 0) return false;
    for (int y = 0; y < decoded.h; ++y) {
        const int source = decoded.h - 1 - y;
        if (decoded.format->format == SDL_PIXELFORMAT_BGR24) {
            bgrRowToRgb(from + static_cast<size_t>(source) * static_cast<size_t>(decoded.pitch),
                        image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(rowBytes),
                        static_cast<size_t>(decoded.w));
            continue;
        }
        SDL_Rect in{0, source, decoded.w, 1};
        SDL_Rect out{0, y, decoded.w, 1};
        if (SDL_BlitSurface(&decoded, &in, rows.get(), &out) != 0) return false;
    }
    return true;
}

Image decode(Source source) {
    if (!source || !headerFits(source.get())) return {};
    Surface decoded(SDL_LoadBMP_RW(source.release(), 1));
    if (!decoded) return {};
    Image image;
    image.pixels.resize(static_cast<size_t>(decoded->w) * 3 * static_cast<size_t>(decoded->h));
    if (!convertRows(*decoded, image)) return {};
    image.width = decoded->w;
    image.height = decoded->h;
    image.loaded = true;
    return image;
}

}  // namespace

Image decodeBitmap(const std::vector<uint8_t>& bytes) {
    if (bytes.empty() || bytes.size() > MaxBitmapFileBytes) return {};
    return decode(Source(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()))));
}

Image loadBitmapFile(const std::string& hostPath) {
    return decode(Source(SDL_RWFromFile(hostPath.c_str(), "rb")));
}

}  // namespace pelmora
