// A fresh game over the fake system and renderer, for the frame tests.
#pragma once


#include "frame/game.h"
#include "frame/input.h"
#include "frame/main_loop.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {

template <typename Gfx = FakeRenderer>
struct GameRigWith {
    FakeSystem sys;
    Gfx gfx;
    Game game{sys, gfx};
    WindowContext window = windowContext(game);

    void send(MessageKind kind, uint32_t key = 0, bool minimised = false) {
        windowProcedure(game, {kind, key, minimised});
    }
    // Frames, each a little more than a game second after the last.
    void framesAfterASecond(int n) {
        for (int i = 0; i < n; ++i) {
            sys.ticks += 1001;
            runFrame(game);
        }
    }
};
using GameRig = GameRigWith<>;

}  // namespace pelmora
