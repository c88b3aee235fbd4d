// A renderer that draws nothing and keeps what the window tests look at.
#pragma once

#include "view/renderer.h"

namespace pelmora {

class FakeRenderer : public Renderer {
public:
    uint32_t texturesMade = 0;
    int listsDeleted = 0;
    bool perspective = false;  // the projection last asked for

    void setFixedState() override {}
    uint32_t createTexture(const Image&) override { return ++texturesMade; }
    void buildDisplayLists(uint32_t, uint32_t) override {}
    void deleteDisplayLists() override { ++listsDeleted; }
    void setProjection(bool inPerspective, uint32_t, uint32_t) override { perspective = inPerspective; }
    void clearFrame() override {}
    void drawMenu(const MenuView&) override {}
    void drawScene(const SceneView&) override {}
};

}  // namespace pelmora
