// The renderer that draws the game with WebGL 2: the fixed quads of the
// display lists become one vertex buffer built once, each frame's runs of
// quads and lines are written into arrays kept from frame to frame, and one
// small shader pair gives texture times colour. The matrices are the ones the
// fixed-function calls would have made, computed here.
#pragma once

#include <GLES3/gl3.h>

#include <array>
#include <vector>

#include "view/frame_list.h"
#include "view/matrix.h"

namespace pelmora {

// Where each attribute and uniform of the shader pair lives.
struct WebGlProgram {
    GLuint program = 0;
    GLint position = -1;
    GLint texCoord = -1;
    GLint colour = -1;
    GLint transform = -1;
    GLint textured = -1;
};

// Builds the shader pair; a program of 0 when it will not compile or link.
WebGlProgram buildWebGlProgram();

class WebGlRenderer : public ListRenderer {
public:
    void setFixedState() override;
    uint32_t createTexture(const Image& image) override;
    void buildDisplayLists(uint32_t width, uint32_t height) override;
    void deleteDisplayLists() override;
    void setProjection(bool perspective, uint32_t width, uint32_t height) override;
    void clearFrame() override;

protected:
    void replay(const DrawList& list) override;

private:
    struct Pen {
        Matrix modelView = identityMatrix();
        std::array<float, 3> colour{1.0f, 1.0f, 1.0f};
        bool texturing = false;
        GLuint texture = 0;
    };

    void step(const DrawList& list, const DrawCommand& command);
    void usePen(bool textured);
    void drawQuads(const DrawList& list, const DrawCommand& run);
    void drawLines(const DrawList& list, const DrawCommand& run);
    void drawFixedQuad(uint32_t list);
    void drawStream(GLenum primitive);
    void fitViewport();

    WebGlProgram shader_;
    Matrix projection_ = identityMatrix();
    Pen pen_;
    GLuint fixedQuads_ = 0;  // six corners per list, in build order
    GLuint stream_ = 0;      // this frame's runs
    std::vector<float> vertices_;
    std::array<int, 2> viewport_{0, 0};
};

}  // namespace pelmora
