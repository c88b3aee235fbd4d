// Named textures loaded at start-up, and the card atlas kept in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "play/drop.h"

namespace pelmora {

struct Game;

struct TextureEntry {
    std::string name;
    uint32_t textureId = 0;
};

struct TextureRegistry {
    std::vector<TextureEntry> entries;
    std::vector<ImageCopy> images;
};

// "textures\Menu.bmp" gives "Menu".
std::string textureNameFor(const std::string& path);
bool loadTextures(Game& game);
bool loadTexture(Game& game, const std::string& path, bool keepPixels);
uint32_t findTextureId(const TextureRegistry& registry, const std::string& name);
const ImageCopy* findImageCopy(const TextureRegistry& registry, const std::string& name);

}  // namespace pelmora
