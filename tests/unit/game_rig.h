// A fresh game over the fake system and renderer, for the frame tests.
#pragma once

#include <algorithm>
#include <string>

#include "frame/game.h"
#include "frame/input.h"
#include "frame/main_loop.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {

// Puts each message box among the window steps, so their order shows.
class OrderedSystem : public FakeSystem {
public:
    BoxAnswer messageBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                         BoxIcon icon) override {
        steps.push_back("box " + text);
        return FakeSystem::messageBox(text, caption, buttons, icon);
    }
};

struct GameRig {
    OrderedSystem sys;
    FakeRenderer gfx;
    Game game{sys, gfx};

    void send(MessageKind kind, uint32_t key = 0) {
        windowProcedure(game, FakeSystem::keyMessage(kind, key));
    }
    void provideTextures() {
        for (const char* name : {"Menu", "SubMenuPlots", "CubeSurface", "CardTextureMap"})
            sys.bitmaps[std::string("textures\\") + name + ".bmp"] =
                {true, {1, 2, 3, 4, 5, 6}, 2, 1};
    }
    // Frames, each a little more than a game second after the last.
    void framesAfterASecond(int n) {
        for (int i = 0; i < n; ++i) {
            sys.ticks += 1001;
            runFrame(game);
        }
    }
};

inline long countOf(const std::vector<std::string>& list, const std::string& item) {
    return std::count(list.begin(), list.end(), item);
}

}  // namespace pelmora
