#include "view/webgl/webgl_renderer.h"

#include <emscripten/html5_webgl.h>

namespace pelmora {

namespace {

// The busiest frame's runs: the dust of a five-card drop, two corners a line.
constexpr size_t StreamFloatsReserved = 5 * 36 * 48 * 2 * 9;

}  // namespace

// WebGL has no smoothing or hint switches; the blend function stays the
// default one, as on the desktop, and the clear colour is the same.
void WebGlRenderer::setFixedState() {
    glEnable(GL_BLEND);
    glClearDepthf(1.0f);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    shader_ = buildWebGlProgram();
    glUseProgram(shader_.program);
    glGenBuffers(1, &stream_);
    vertices_.reserve(StreamFloatsReserved);
}

uint32_t WebGlRenderer::createTexture(const Image& image) {
    if (!pixelsFillImage(image)) return 0;
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, image.width, image.height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    return id;
}

// The game measures in its own window units; the canvas may hold more pixels
// than those (a high-density screen), so the picture fills whatever it holds.
void WebGlRenderer::fitViewport() {
    int width = 0, height = 0;
    emscripten_webgl_get_drawing_buffer_size(emscripten_webgl_get_current_context(), &width,
                                             &height);
    if (width == viewport_[0] && height == viewport_[1]) return;
    viewport_ = {width, height};
    glViewport(0, 0, width, height);
}

void WebGlRenderer::setProjection(bool perspective, uint32_t width, uint32_t height) {
    fitViewport();
    // The near plane is the single-precision 0.1 the game always used.
    projection_ = perspective ? perspectiveMatrix(45.0, double(width) / double(height),
                                                  static_cast<double>(0.1f), 100.0)
                              : orthographicMatrix(0.0, double(width), 0.0, double(height));
    pen_.modelView = identityMatrix();
}

void WebGlRenderer::clearFrame() {
    fitViewport();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    pen_.modelView = identityMatrix();
}

}  // namespace pelmora
