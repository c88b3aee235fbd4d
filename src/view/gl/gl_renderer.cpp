#include "view/gl/gl_renderer.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace pelmora {

void GlRenderer::setFixedState() {
    glEnable(GL_BLEND);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POLYGON_SMOOTH);
    glClearDepth(1.0);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glHint(GL_POLYGON_SMOOTH_HINT, GL_NICEST);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
}

uint32_t GlRenderer::createTexture(const Image& image) {
    if (!pixelsFillImage(image)) return 0;
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    return id;
}

void GlRenderer::setProjection(bool perspective, uint32_t width, uint32_t height) {
    glViewport(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (perspective) {
        // The near plane is the single-precision 0.1 the game always used.
        const double nearPlane = static_cast<double>(0.1f);
        gluPerspective(45.0, static_cast<double>(width) / static_cast<double>(height), nearPlane,
                       100.0);
    } else {
        gluOrtho2D(0.0, static_cast<double>(width), 0.0, static_cast<double>(height));
    }
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void GlRenderer::clearFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
}

}  // namespace pelmora
