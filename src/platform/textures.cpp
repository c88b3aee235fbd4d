#include "platform/textures.h"

#include "frame/game.h"

namespace pelmora {

std::string textureNameFor(const std::string& path) { return path; }
bool loadTextures(Game&) { return false; }
bool loadTexture(Game&, const std::string&, bool) { return false; }
uint32_t findTextureId(const TextureRegistry&, const std::string&) { return 0; }
const ImageCopy* findImageCopy(const TextureRegistry&, const std::string&) { return nullptr; }

}  // namespace pelmora
