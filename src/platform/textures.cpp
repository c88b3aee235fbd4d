#include "platform/textures.h"

#include "frame/game.h"

namespace pelmora {

namespace {

constexpr size_t ExtensionLength = 4;  // ".bmp"
constexpr const char* CardAtlasName = "CardTextureMap";

struct StartupImage {
    const char* path;
    bool keepPixels;
};

// Loaded in this order; only the card atlas stays in memory for the dust.
constexpr StartupImage StartupImages[] = {
    {"textures\\Menu.bmp", false},
    {"textures\\SubMenuPlots.bmp", false},
    {"textures\\CubeSurface.bmp", false},
    {"textures\\CardTextureMap.bmp", true},
};

// The upload reads width * height packed pixels; a bitmap that holds fewer
// would be read past its end.
bool isWhole(const Image& image) {
    if (!image.loaded || image.width <= 0 || image.height <= 0) return false;
    const size_t bytes = size_t{3} * static_cast<size_t>(image.width) *
                         static_cast<size_t>(image.height);
    return image.pixels.size() == bytes;
}

ImageCopy copyOf(const Image& image, const std::string& name) {
    ImageCopy copy;
    copy.width = image.width;
    copy.height = image.height;
    copy.name = name;
    copy.pixels.reserve(image.pixels.size() / 3);
    for (size_t i = 0; i + 2 < image.pixels.size(); i += 3) {
        ImageCopy::Pixel pixel;
        pixel.red = image.pixels[i];
        pixel.green = image.pixels[i + 1];
        pixel.blue = image.pixels[i + 2];
        copy.pixels.push_back(pixel);
    }
    return copy;
}

}  // namespace

std::string textureNameFor(const std::string& path) {
    const size_t lastSeparator = path.rfind('\\');
    std::string name = lastSeparator == std::string::npos ? path : path.substr(lastSeparator + 1);
    if (name.size() >= ExtensionLength) name.resize(name.size() - ExtensionLength);
    return name;
}

bool loadTextures(Game& game) {
    for (const StartupImage& image : StartupImages) {
        if (!loadTexture(game, image.path, image.keepPixels)) return false;
    }
    // Looked up only now: appending to the list may have moved the copies.
    game.cloud.cardImage = findImageCopy(game.textures, CardAtlasName);
    return true;
}

bool loadTexture(Game& game, const std::string& path, bool keepPixels) {
    const Image image = game.system.loadBitmap(path);
    if (!isWhole(image)) return false;
    const std::string name = textureNameFor(path);
    const uint32_t id = game.renderer.createTexture(image);
    if (id == 0) return false;
    game.textures.entries.push_back({name, id});
    if (keepPixels) game.textures.images.push_back(copyOf(image, name));
    return true;
}

uint32_t findTextureId(const TextureRegistry& registry, const std::string& name) {
    for (const TextureEntry& entry : registry.entries) {
        if (entry.name == name) return entry.textureId;
    }
    return 0;
}

const ImageCopy* findImageCopy(const TextureRegistry& registry, const std::string& name) {
    for (const ImageCopy& image : registry.images) {
        if (image.name == name) return &image;
    }
    return nullptr;
}

}  // namespace pelmora
