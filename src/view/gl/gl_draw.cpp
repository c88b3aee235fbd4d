#include "view/gl/gl_draw.h"

#include <GL/gl.h>

#include <cmath>

namespace pelmora {

void emitQuad(const Quad& quad) {
    for (const TexturedVertex& v : quad) {
        glTexCoord2d(v.tex.u, v.tex.v);
        glVertex3d(v.pos.x, v.pos.y, v.pos.z);
    }
}

void emitPixelQuad(const Quad& quad) {
    for (const TexturedVertex& v : quad) {
        glTexCoord2d(v.tex.u, v.tex.v);
        glVertex2i(static_cast<GLint>(std::lround(v.pos.x)),
                   static_cast<GLint>(std::lround(v.pos.y)));
    }
}

}  // namespace pelmora
