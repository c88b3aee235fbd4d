#include "view/atlas.h"

namespace pelmora {

AtlasRect cardPictureRect(uint32_t) { return {}; }
AtlasRect selectedPictureRect(uint32_t) { return {}; }
AtlasRect cardCornerRect(uint32_t) { return {}; }
AtlasRect glyphRect(uint32_t) { return {}; }
TexCoord cardTexCoord(const Card&) { return {}; }
TexCoord cardTexCoordTopLeft(const Card&) { return {}; }
TexCoord cardTexCoordBottomRight(const Card&) { return {}; }
TexCoord cardTexCoordTopRight(const Card&) { return {}; }
TexCoord digitTexCoord(uint32_t) { return {}; }

}  // namespace pelmora
