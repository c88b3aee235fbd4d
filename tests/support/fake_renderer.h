// A renderer that draws nothing and records what the game asked of it.
#pragma once

#include <string>
#include <vector>

#include "view/renderer.h"

namespace pelmora {

class FakeRenderer : public Renderer {
public:
    std::vector<std::string> calls;
    int menuFrames = 0;
    int sceneFrames = 0;
    bool lastPerspective = false;
    uint32_t nextTexture = 1;

    void setFixedState() override { calls.push_back("setFixedState"); }
    uint32_t createTexture(const Image&) override {
        calls.push_back("createTexture");
        return nextTexture++;
    }
    void buildDisplayLists(uint32_t, uint32_t) override { calls.push_back("buildDisplayLists"); }
    void deleteDisplayLists() override { calls.push_back("deleteDisplayLists"); }
    void applyProjection(bool perspective, uint32_t, uint32_t) override {
        lastPerspective = perspective;
        calls.push_back(perspective ? "perspective" : "orthographic");
    }
    void clearFrame() override { calls.push_back("clearFrame"); }
    void drawMenuScreen(const Game&) override { ++menuFrames; }
    void drawGameScene(const Game&) override { ++sceneFrames; }
};

}  // namespace pelmora
