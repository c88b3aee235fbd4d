// A fresh game over the fake system and renderer, for the frame tests.
#pragma once

#include <string>

#include "frame/game.h"
#include "frame/input.h"
#include "frame/main_loop.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {

struct GameRig {
    FakeSystem sys;
    FakeRenderer gfx;
    Game game{sys, gfx};
    WindowContext window = windowContext(game);

    void send(MessageKind kind, uint32_t key = 0) { windowProcedure(game, {kind, key}); }
    // The four start-up pictures, each two pixels wide and one high.
    void provideTextures() {
        for (const char* name : {"Menu", "SubMenuPlots", "CubeSurface", "CardTextureMap"})
            sys.bitmaps[std::string("textures\\") + name + ".bmp"] = {true, {1, 2, 3, 4, 5, 6}, 2, 1};
    }
    // Frames, each a little more than a game second after the last.
    void framesAfterASecond(int n) {
        for (int i = 0; i < n; ++i) {
            sys.ticks += 1001;
            runFrame(game);
        }
    }
};

}  // namespace pelmora
