// Named textures loaded at start-up, and the card atlas kept in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "values/image.h"

namespace pelmora {

class Renderer;
class System;

// The names the four start-up images are registered and bound under; each
// is loaded from "textures\<name>.bmp".
constexpr const char* TextureMenu = "Menu";
constexpr const char* TextureSubMenuPlots = "SubMenuPlots";
constexpr const char* TextureCubeSurface = "CubeSurface";
constexpr const char* TextureCardTextureMap = "CardTextureMap";

struct TextureEntry {
    std::string name;
    uint32_t textureId = 0;
};

struct TextureRegistry {
    std::vector<TextureEntry> entries;
    std::vector<ImageCopy> images;
};

// Where the images come from and what they turn into.
struct TextureLoader {
    System& system;
    Renderer& renderer;
    TextureRegistry& textures;
};

// "textures\Menu.bmp" gives "Menu".
std::string textureNameFor(const std::string& path);
bool loadTextures(TextureLoader& loader);
bool loadTexture(TextureLoader& loader, const std::string& path, bool keepPixels);
uint32_t findTextureId(const TextureRegistry& registry, const std::string& name);
const ImageCopy* findImageCopy(const TextureRegistry& registry, const std::string& name);

}  // namespace pelmora
