#include "generated.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <utility>

#include <SDL.h>
#include <gtest/gtest.h>

#include "assets/generate.h"
#include "platform/sdl/bitmap.h"

namespace assets_test {

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pelmora-assets-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

const std::string& runFolder() {
    static ScratchFolder folder;
    static const bool generated = [] {
        std::string error;
        const bool done = assets::generateAssets(folder.path(), "", error);
        if (!done) ADD_FAILURE() << error;
        return done;
    }();
    (void)generated;
    return folder.path();
}

int distance(Colour a, Colour b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

int luminance(Colour c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }

Colour Picture::at(int u, int v) const {
    const size_t i = (static_cast<size_t>(v) * width + u) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

std::vector<Colour> Picture::pixels(const pelmora::AtlasRect& r) const {
    std::vector<Colour> out;
    for (int v = r.bottom; v < r.top; ++v)
        for (int u = r.left; u < r.right; ++u) out.push_back(at(u, v));
    return out;
}

// The pixels come through the game's own loader; SDL tells the file's depth.
Picture loadPicture(const std::string& path) {
    Picture picture;
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (loaded == nullptr) return picture;
    picture.bitsPerPixel = loaded->format->BitsPerPixel;
    SDL_FreeSurface(loaded);
    pelmora::Image image = pelmora::loadBitmapFile(path);
    if (!image.loaded) return picture;
    picture.width = image.width;
    picture.height = image.height;
    picture.rgb = std::move(image.pixels);
    return picture;
}

const Picture& texture(const std::string& name) {
    static std::map<std::string, Picture> loaded;
    auto found = loaded.find(name);
    if (found == loaded.end())
        found = loaded.emplace(name, loadPicture(runFolder() + "/textures/" + name + ".bmp")).first;
    return found->second;
}

}  // namespace assets_test
