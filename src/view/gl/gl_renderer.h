// The renderer that draws the game with fixed-function OpenGL.
#pragma once

#include "view/renderer.h"

namespace pelmora {

class GlRenderer : public Renderer {
public:
    void setFixedState() override;
    uint32_t createTexture(const Image& image) override;
    void buildDisplayLists(uint32_t width, uint32_t height) override;
    void deleteDisplayLists() override;
    void setProjection(bool perspective, uint32_t width, uint32_t height) override;
    void clearFrame() override;
    void drawMenu(const MenuView& menu) override;
    void drawScene(const SceneView& scene) override;
};

}  // namespace pelmora
