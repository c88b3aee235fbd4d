// Small helpers shared by the GL drawing files.
#pragma once

#include "view/geometry.h"

namespace pelmora {

// Issues the four corners inside an open quad primitive.
void emitQuad(const Quad& quad);
// Issues the four corners as whole window pixels, for the 2-D lists.
void emitPixelQuad(const Quad& quad);

}  // namespace pelmora
