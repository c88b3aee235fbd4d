#include <cmath>

#include "view/webgl/webgl_renderer.h"

namespace pelmora {

namespace {

constexpr int FixedFloats = 5;  // x y z u v
constexpr int CornersPerQuad = 6;
// The two triangles of a quad, as corner numbers.
constexpr int QuadCorners[CornersPerQuad] = {0, 1, 2, 0, 2, 3};

// The list's place in the buffer: lists are numbered from the cube face on.
GLint firstCorner(uint32_t list) { return GLint(list - ListCubeFace) * CornersPerQuad; }

// The window-pixel lists lie on whole pixels, as the desktop's integer corners do.
void appendFixedQuad(std::vector<float>& out, const Quad& quad, bool wholePixels) {
    for (int corner : QuadCorners) {
        const TexturedVertex& v = quad[corner];
        const double x = wholePixels ? double(std::lround(v.pos.x)) : v.pos.x;
        const double y = wholePixels ? double(std::lround(v.pos.y)) : v.pos.y;
        for (double value : {x, y, v.pos.z, v.tex.u, v.tex.v}) out.push_back(float(value));
    }
}

}  // namespace

void WebGlRenderer::buildDisplayLists(uint32_t width, uint32_t height) {
    std::vector<float> corners(DisplayListBuildOrder.size() * CornersPerQuad * FixedFloats);
    for (DisplayList list : DisplayListBuildOrder) {
        std::vector<float> quad;
        appendFixedQuad(quad, displayListQuad(list, width, height), isWindowPixelList(list));
        std::copy(quad.begin(), quad.end(), corners.begin() + firstCorner(list) * FixedFloats);
    }
    glGenBuffers(1, &fixedQuads_);
    glBindBuffer(GL_ARRAY_BUFFER, fixedQuads_);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(corners.size() * sizeof(float)), corners.data(),
                 GL_STATIC_DRAW);
}

void WebGlRenderer::deleteDisplayLists() {
    glDeleteBuffers(1, &fixedQuads_);
    fixedQuads_ = 0;
}

// A fixed quad takes the current colour, as a replayed list does.
void WebGlRenderer::drawFixedQuad(uint32_t list) {
    if (list < ListCubeFace || list >= ListCubeFace + DisplayListBuildOrder.size()) return;
    usePen(pen_.texturing);
    glBindBuffer(GL_ARRAY_BUFFER, fixedQuads_);
    const GLsizei stride = FixedFloats * sizeof(float);
    glVertexAttribPointer(GLuint(shader_.position), 3, GL_FLOAT, GL_FALSE, stride, nullptr);
    glVertexAttribPointer(GLuint(shader_.texCoord), 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(3 * sizeof(float)));
    glDisableVertexAttribArray(GLuint(shader_.colour));
    glVertexAttrib4f(GLuint(shader_.colour), pen_.colour[0], pen_.colour[1], pen_.colour[2], 1.0f);
    glDrawArrays(GL_TRIANGLES, firstCorner(list), CornersPerQuad);
}

}  // namespace pelmora
