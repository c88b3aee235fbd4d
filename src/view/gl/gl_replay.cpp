#include <GL/gl.h>

#include "view/gl/gl_draw.h"
#include "view/gl/gl_renderer.h"

namespace pelmora {

namespace {

// A run of quads or lines is one immediate-mode primitive.
void emitQuads(const DrawList& list, const DrawCommand& run) {
    glBegin(GL_QUADS);
    for (uint32_t i = run.first; i < run.first + run.count; ++i) emitQuad(list.quad(i));
    glEnd();
}

void emitLines(const DrawList& list, const DrawCommand& run) {
    glBegin(GL_LINES);
    for (uint32_t i = run.first; i < run.first + run.count; ++i) {
        const ColouredLine& line = list.line(i);
        glColor3ub(line.red, line.green, line.blue);
        glVertex3d(line.ends.from.x, line.ends.from.y, line.ends.from.z);
        glVertex3d(line.ends.to.x, line.ends.to.y, line.ends.to.z);
    }
    glEnd();
}

}  // namespace

void GlRenderer::replay(const DrawList& list) {
    for (const DrawCommand& c : list.commands()) {
        switch (c.op) {
        case DrawOp::Clear:
            clearFrame();
            break;
        case DrawOp::Colour:
            glColor3d(c.vec.x, c.vec.y, c.vec.z);
            break;
        case DrawOp::TexturingOn:
            glEnable(GL_TEXTURE_2D);
            break;
        case DrawOp::TexturingOff:
            glDisable(GL_TEXTURE_2D);
            break;
        case DrawOp::BindTexture:
            glBindTexture(GL_TEXTURE_2D, c.value);
            break;
        case DrawOp::ReplayList:
            glCallList(c.value);
            break;
        case DrawOp::Quads:
            emitQuads(list, c);
            break;
        case DrawOp::Lines:
            emitLines(list, c);
            break;
        case DrawOp::Translate:
            glTranslated(c.vec.x, c.vec.y, c.vec.z);
            break;
        case DrawOp::Rotate:
            glRotated(c.angle, c.vec.x, c.vec.y, c.vec.z);
            break;
        }
    }
}

}  // namespace pelmora
