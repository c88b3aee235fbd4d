#include <GL/gl.h>

#include "platform/textures.h"
#include "view/gl/gl_draw.h"
#include "view/gl/gl_renderer.h"

namespace pelmora {

// Every menu quad lies at depth 0; under the less-or-equal depth test each
// later one covers the earlier, so the panel lies over the picture.
void GlRenderer::drawMenu(const MenuView& menu) {
    clearFrame();
    glColor3d(1.0, 1.0, 1.0);
    glEnable(GL_TEXTURE_2D);
    bindNamedTexture(menu.textures, TextureMenu);
    glCallList(ListMenuBackground);
    bindNamedTexture(menu.textures, TextureCardTextureMap);
    glBegin(GL_QUADS);
    for (const Quad& quad : menuScoreQuads(menu.topScore)) emitQuad(quad);
    glEnd();
    bindNamedTexture(menu.textures, TextureSubMenuPlots);
    if (const uint32_t panel = panelListFor(menu.page)) glCallList(panel);
    glDisable(GL_TEXTURE_2D);
}

}  // namespace pelmora
