#include <GL/gl.h>

#include "view/gl/gl_draw.h"
#include "view/gl/gl_renderer.h"

namespace pelmora {

// Each list holds one quad; none binds a texture or sets a colour.
void GlRenderer::buildDisplayLists(uint32_t width, uint32_t height) {
    for (DisplayList list : DisplayListBuildOrder) {
        const Quad quad = displayListQuad(list, width, height);
        glNewList(list, GL_COMPILE);
        glBegin(GL_QUADS);
        if (isWindowPixelList(list))
            emitPixelQuad(quad);
        else
            emitQuad(quad);
        glEnd();
        glEndList();
    }
}

void GlRenderer::deleteDisplayLists() {
    glDeleteLists(ListCubeFace, static_cast<GLsizei>(DisplayListBuildOrder.size()));
}

}  // namespace pelmora
