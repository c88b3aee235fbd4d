// The GL calls of whole frames, recorded without a display. The digests were
// taken from the renderer as it first shipped: a frame that changes any call,
// its order or one of its values changes its digest.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "board/deal.h"
#include "frame/game.h"
#include "gl_trace/gl_recorder.h"
#include "support/fake_system.h"
#include "unit/play_rig.h"
#include "view/gl/gl_renderer.h"

namespace pelmora {
namespace {

uint64_t digest(const std::string& text) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return h;
}

size_t lineCount(const std::string& text) {
    size_t n = 0;
    for (char c : text) n += c == '\n';
    return n;
}

// A game in play: a seeded deal, two cards picked, some dust, a tilt, and
// the cube part-way through a turn toward face 3.
struct TraceRig {
    FakeSystem sys;
    GlRenderer gl;
    Game game{sys, gl};

    TraceRig() {
        game.textures.entries = {{TextureMenu, 11},
                                 {TextureSubMenuPlots, 12},
                                 {TextureCubeSurface, 13},
                                 {TextureCardTextureMap, 14}};
        game.random.seed(1234567);
        dealBoard(game.board, game.random);
        const std::vector<Card*> free = playableCards(*game.board.faces[0]);
        selectCard(game.selection, free.at(0));
        selectCard(game.selection, free.at(3));
        game.cloud.particles = {{10, 20, 30, 0.5, -1.25, 11.0, 3},
                                {255, 0, 128, -4.0, 2.0, 10.4, 1}};
        game.input.tiltX = 4.25;
        game.input.tiltY = -7.5;
        game.input.tiltZ = 0.125;
        game.turn.targetFace = 3;
        game.clock = {};
        game.clock.minutesUnits = 2;
        game.clock.secondsTens = 5;
        game.clock.countdownTens = 1;
        game.clock.countdownUnits = 7;
        game.score = {5, 0, 9, 1};
        game.topScore.value = {3, 2, 1, 0, 0, 9};
    }
};

struct TraceCase {
    const char* what;
    std::function<void(TraceRig&)> draw;
    uint64_t digest;
    size_t lines;
};

const TraceCase Cases[] = {
    {"fixed state", [](TraceRig& r) { r.gl.setFixedState(); }, 0xd16f2f349c5adc7bull, 13},
    {"texture",
     [](TraceRig& r) {
         r.gl.createTexture({true, {9, 8, 7, 6, 5, 4}, 2, 1});
     },
     0x1e03538aaa21c274ull, 6},
    {"refused texture",
     [](TraceRig& r) {
         r.gl.createTexture({true, {9, 8, 7}, 2, 2});
     },
     0x14650fb0739d0383ull, 0},
    {"display lists",
     [](TraceRig& r) {
         r.gl.buildDisplayLists(1024, 768);
         r.gl.deleteDisplayLists();
     },
     0x39bfa6fa6ffc74ccull, 97},
    {"projections",
     [](TraceRig& r) {
         r.gl.setProjection(true, 1024, 768);
         r.gl.setProjection(false, 800, 600);
     },
     0xd4a7adfae62d6b6cull, 12},
    {"menu, every page",
     [](TraceRig& r) {
         for (int32_t page : {0, 1, 2, 3, 4, 9}) {
             r.gl.clearFrame();
             r.gl.drawMenu({r.game.textures, r.game.topScore.value, MenuPage(page)});
         }
     },
     0x472a9e85ec3a3ddaull, 371},
    {"scene", [](TraceRig& r) { r.gl.drawScene(sceneView(r.game)); }, 0xbd7ab61d2a79b8c5ull, 11694},
    {"scene at rest, no dust",
     [](TraceRig& r) {
         r.game.cloud.particles.clear();
         r.game.turn.targetFace = 0;
         r.gl.drawScene(sceneView(r.game));
     },
     0xbcdd9b8421cd6610ull, 5923},
};

TEST(GlTrace, EveryFrameMakesTheCallsItAlwaysMade) {
    for (const TraceCase& c : Cases) {
        TraceRig rig;
        glTrace().clear();
        c.draw(rig);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(lineCount(glTrace()), c.lines);
        EXPECT_EQ(digest(glTrace()), c.digest);
    }
}

}  // namespace
}  // namespace pelmora
