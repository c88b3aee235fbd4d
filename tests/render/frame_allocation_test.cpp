// Frames of the menu, of play and of a whole cube turn, drawn for real by the
// GL renderer, take nothing from the heap: every allocation made through
// operator new by the game's code while a frame runs is counted. The GL
// driver's own (its shader compiler is written in C++) are not the game's.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "frame/game.h"
#include "frame/main_loop.h"
#include "platform/window.h"
#include "probe/allocation_origin.h"
#include "support/fake_system.h"
#include "support/gl_window.h"
#include "view/gl/gl_renderer.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

// The game is linked into this program.
bool fromThisProgram(const void* caller) {
    static const void* const self = pelmora::origin::objectOf(reinterpret_cast<const void*>(&fromThisProgram));
    return pelmora::origin::madeBy(self, caller);
}

void* allocate(std::size_t size, const void* caller) {
    if (counting && fromThisProgram(caller)) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
}  // namespace

__attribute__((noinline)) void* operator new(std::size_t size) {
    return allocate(size, __builtin_return_address(0));
}
__attribute__((noinline)) void* operator new[](std::size_t size) {
    return allocate(size, __builtin_return_address(0));
}
// Deleting stays with the standard library, which frees what malloc gave.

namespace pelmora {
namespace {

struct FrameRig {
    GlWindow window;
    FakeSystem system;
    GlRenderer renderer;
    Game game{system, renderer};

    std::string open() {
        void* warm[1];
        backtrace(warm, 1);  // loads what it needs now, not while counting
        if (std::string failure = window.open(true); !failure.empty()) return failure;
        system.provideTextures({true, std::vector<uint8_t>(1024 * 1024 * 3, 120), 1024, 1024});
        WindowContext context = windowContext(game);
        if (!initGlState(context)) return "no GL state";
        applyProjection(renderer, game.window, game.mode);
        // The fake records cues and cursor shapes; that room is the fake's, not the game's.
        system.cues.reserve(256);
        system.cursorShapes.reserve(4096);
        return "";
    }
    void key(uint32_t code) {
        windowProcedure(game, {MessageKind::KeyDown, code});
        runFrame(game);
        windowProcedure(game, {MessageKind::KeyUp, code});
    }
    // Allocations over n frames, 17 ms apart, after `settle` uncounted ones
    // that let the driver settle into a new picture.
    long allocationsOver(int n, int settle = 2) {
        for (int i = 0; i < n + settle; ++i) {
            system.ticks += 17;
            counting = i >= settle;
            runFrame(game);
            counting = false;
        }
        return allocations.exchange(0);
    }
};

TEST(FrameAllocations, MenuPlayAndTurnFramesTakeNothingFromTheHeap) {
    FrameRig rig;
    ASSERT_EQ(rig.open(), "");
    Game& game = rig.game;
    game.topScore.value = ScoreDigits(80, 7);  // longer than the window is wide
    EXPECT_EQ(rig.allocationsOver(60), 0) << "menu";

    rig.key(vk::Enter);
    ASSERT_EQ(game.mode, ModePlaying);
    game.input.cursorX = 512;  // clear of the edges, where a rest would turn the cube
    game.input.cursorY = 384;
    game.score = {5, 4, 3, 2, 1};
    Card& card = *game.board.faces[0]->layers[0].cards.front();
    spawnCardParticles(game.cloud, game.random, card);
    EXPECT_EQ(rig.allocationsOver(150), 0) << "play, with dust and the clock stepping";

    rig.system.ticks += 2000;  // past the key delay
    windowProcedure(game, {MessageKind::KeyDown, vk::letter('W')});
    long turn = rig.allocationsOver(1, 0);
    windowProcedure(game, {MessageKind::KeyUp, vk::letter('W')});
    turn += rig.allocationsOver(72, 0);
    EXPECT_EQ(turn, 0) << "a turn, from the frame that starts it";
    EXPECT_FALSE(game.turn.turnRunning);
    EXPECT_TRUE(game.turn.turnFinished);
    EXPECT_TRUE(rig.window.close());
}

}  // namespace
}  // namespace pelmora
