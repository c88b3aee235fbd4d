#include <GL/gl.h>

#include "frame/game.h"
#include "view/gl/gl_draw.h"
#include "view/gl/gl_renderer.h"

namespace pelmora {

// Every menu quad lies at depth 0; under the less-or-equal depth test each
// later one covers the earlier, so the panel lies over the picture.
void GlRenderer::drawMenuScreen(const Game& game) {
    clearFrame();
    glColor3d(1.0, 1.0, 1.0);
    glEnable(GL_TEXTURE_2D);
    bindNamedTexture(game.textures, "Menu");
    glCallList(ListMenuBackground);
    bindNamedTexture(game.textures, "CardTextureMap");
    glBegin(GL_QUADS);
    for (const Quad& quad : menuScoreQuads(game.topScore.value)) emitQuad(quad);
    glEnd();
    bindNamedTexture(game.textures, "SubMenuPlots");
    if (const uint32_t panel = panelListFor(game.menuPage)) glCallList(panel);
    glDisable(GL_TEXTURE_2D);
}

}  // namespace pelmora
