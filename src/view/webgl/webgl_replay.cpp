#include "view/webgl/webgl_renderer.h"

namespace pelmora {

namespace {

constexpr int StreamFloats = 9;  // x y z u v r g b a
constexpr int QuadCorners[6] = {0, 1, 2, 0, 2, 3};

void appendCorner(std::vector<float>& out, const Vec3& pos, TexCoord tex,
                  const std::array<float, 3>& colour) {
    const float corner[StreamFloats] = {float(pos.x), float(pos.y), float(pos.z),
                                        float(tex.u), float(tex.v), colour[0],
                                        colour[1],    colour[2],    1.0f};
    out.insert(out.end(), corner, corner + StreamFloats);
}

std::array<float, 3> byteColour(const ColouredLine& line) {
    return {line.red / 255.0f, line.green / 255.0f, line.blue / 255.0f};
}

}  // namespace

void WebGlRenderer::replay(const DrawList& list) {
    for (const DrawCommand& command : list.commands()) step(list, command);
}

void WebGlRenderer::step(const DrawList& list, const DrawCommand& c) {
    switch (c.op) {
    case DrawOp::Clear:
        clearFrame();
        break;
    case DrawOp::Colour:
        pen_.colour = {float(c.vec.x), float(c.vec.y), float(c.vec.z)};
        break;
    case DrawOp::TexturingOn:
        pen_.texturing = true;
        break;
    case DrawOp::TexturingOff:
        pen_.texturing = false;
        break;
    case DrawOp::BindTexture:
        pen_.texture = c.value;
        glBindTexture(GL_TEXTURE_2D, c.value);
        break;
    case DrawOp::ReplayList:
        drawFixedQuad(c.value);
        break;
    case DrawOp::Quads:
        drawQuads(list, c);
        break;
    case DrawOp::Lines:
        drawLines(list, c);
        break;
    case DrawOp::Translate:
        pen_.modelView = pen_.modelView * translationMatrix(c.vec);
        break;
    case DrawOp::Rotate:
        pen_.modelView = pen_.modelView * rotationMatrix(c.angle, c.vec);
        break;
    }
}

// With no texture bound the desktop draws untextured; WebGL would sample black.
void WebGlRenderer::usePen(bool textured) {
    const Matrix m = projection_ * pen_.modelView;
    float transform[16];
    for (int i = 0; i < 16; ++i) transform[i] = float(m[i]);
    glUniformMatrix4fv(shader_.transform, 1, GL_FALSE, transform);
    glUniform1i(shader_.textured, textured && pen_.texture != 0 ? 1 : 0);
    glEnableVertexAttribArray(GLuint(shader_.position));
    glEnableVertexAttribArray(GLuint(shader_.texCoord));
}

void WebGlRenderer::drawQuads(const DrawList& list, const DrawCommand& run) {
    if (run.count == 0) return;
    vertices_.clear();
    for (uint32_t i = run.first; i < run.first + run.count; ++i)
        for (int corner : QuadCorners)
            appendCorner(vertices_, list.quad(i)[corner].pos, list.quad(i)[corner].tex,
                         pen_.colour);
    usePen(pen_.texturing);
    drawStream(GL_TRIANGLES);
}

// Each line sets the colour it is drawn in, and the last one stays current.
void WebGlRenderer::drawLines(const DrawList& list, const DrawCommand& run) {
    if (run.count == 0) return;
    vertices_.clear();
    for (uint32_t i = run.first; i < run.first + run.count; ++i) {
        const ColouredLine& line = list.line(i);
        appendCorner(vertices_, line.ends.from, {}, byteColour(line));
        appendCorner(vertices_, line.ends.to, {}, byteColour(line));
    }
    pen_.colour = byteColour(list.line(run.first + run.count - 1));
    usePen(pen_.texturing);
    drawStream(GL_LINES);
}

void WebGlRenderer::drawStream(GLenum primitive) {
    glBindBuffer(GL_ARRAY_BUFFER, stream_);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices_.size() * sizeof(float)), vertices_.data(),
                 GL_STREAM_DRAW);
    const GLsizei stride = StreamFloats * sizeof(float);
    const auto at = [](int floats) {
        return reinterpret_cast<const void*>(floats * sizeof(float));
    };
    glVertexAttribPointer(GLuint(shader_.position), 3, GL_FLOAT, GL_FALSE, stride, at(0));
    glVertexAttribPointer(GLuint(shader_.texCoord), 2, GL_FLOAT, GL_FALSE, stride, at(3));
    glEnableVertexAttribArray(GLuint(shader_.colour));
    glVertexAttribPointer(GLuint(shader_.colour), 4, GL_FLOAT, GL_FALSE, stride, at(5));
    glDrawArrays(primitive, 0, GLsizei(vertices_.size() / StreamFloats));
}

}  // namespace pelmora
