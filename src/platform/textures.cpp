#include "platform/textures.h"

#include "platform/system.h"
#include "view/renderer.h"

namespace pelmora {

namespace {

constexpr size_t ExtensionLength = 4;  // ".bmp"

struct StartupImage {
    const char* name;
    bool keepPixels;
};

// Loaded in this order; only the card atlas stays in memory for the dust.
constexpr StartupImage StartupImages[] = {
    {TextureMenu, false},
    {TextureSubMenuPlots, false},
    {TextureCubeSurface, false},
    {TextureCardTextureMap, true},
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

bool loadTextures(TextureLoader& loader) {
    for (const StartupImage& image : StartupImages) {
        const std::string path = std::string("textures\\") + image.name + ".bmp";
        if (!loadTexture(loader, path, image.keepPixels)) return false;
    }
    return true;
}

bool loadTexture(TextureLoader& loader, const std::string& path, bool keepPixels) {
    const Image image = loader.system.loadBitmap(path);
    if (!isWhole(image)) return false;
    const std::string name = textureNameFor(path);
    const uint32_t id = loader.renderer.createTexture(image);
    if (id == 0) return false;
    loader.textures.entries.push_back({name, id});
    if (keepPixels) loader.textures.images.push_back(copyOf(image, name));
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
