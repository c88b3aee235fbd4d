// Small helpers shared by the GL drawing files.
#pragma once

#include <string>

#include "view/geometry.h"

namespace pelmora {

struct TextureRegistry;

// Issues the four corners inside an open quad primitive.
void emitQuad(const Quad& quad);
// Issues the four corners as whole window pixels, for the 2-D lists.
void emitPixelQuad(const Quad& quad);
// Binds a texture by its registered name; an unknown name binds none.
void bindNamedTexture(const TextureRegistry& textures, const std::string& name);
void rotate(const Rotation& rotation);

}  // namespace pelmora
