// The cost of one frame of the heaviest game scene (two faces drawn during a
// turn, 8640 dust lines) against an empty frame (clear and swap only), drawn
// by the same renderer in the same run. Needs a display; without one it says
// so and draws nothing.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <chrono>
#include <string>

#include "board/deal.h"
#include "frame/game.h"
#include "support/fake_system.h"
#include "support/gl_window.h"
#include "view/geometry.h"
#include "view/gl/gl_renderer.h"

namespace pelmora {
namespace {

constexpr int Width = 1024;
constexpr int Height = 768;

Image flatImage(int32_t size, uint8_t shade) {
    Image image;
    image.loaded = true;
    image.width = image.height = size;
    image.pixels.assign(size_t(size) * size_t(size) * 3, shade);
    return image;
}

// Five whole-hand cards dissolving on the front face: 5 x 1728 lines that
// stay alive, since the renderer draws them without ageing them.
void fillDust(ParticleCloud& cloud) {
    const Place places[5] = {{2, 1}, {5, 2}, {7.5, 4.5}, {9, 6}, {13, 8}};
    for (const Place& place : places) {
        const TileBox box = tileBox(place, 1);
        for (int c = 0; c < 36; ++c)
            for (int r = 0; r < 48; ++r) {
                Particle p;
                p.red = uint8_t(4 * c);
                p.green = uint8_t(4 * r);
                p.blue = 200;
                p.x = box.x0 + 0.02 * c;
                p.y = box.y0 + 0.02 * r;
                p.z = box.z;
                p.life = 60;
                cloud.particles.push_back(p);
            }
    }
}

// A dealt cube halfway through an up turn: the front and the top face drawn.
void setUpHeaviestScene(Game& game, GlRenderer& renderer) {
    renderer.setFixedState();
    game.textures.entries.push_back({TextureCubeSurface, renderer.createTexture(flatImage(256, 90))});
    game.textures.entries.push_back({TextureCardTextureMap, renderer.createTexture(flatImage(1024, 180))});
    renderer.buildDisplayLists(Width, Height);
    renderer.setProjection(true, Width, Height);
    game.random.seed(1700000000u);
    dealBoard(game.board, game.random);
    game.turn.turnRunning = true;
    game.turn.targetFace = 4;  // the top face, which an up turn brings forward
    game.input.tiltX = 45.0;
    game.input.tiltY = 3.0;
    fillDust(game.cloud);
    game.score = {5, 4, 3, 2, 1};
}

// Waits for the frame to be finished so its whole cost is counted.
void present(GlWindow& window) {
    window.system.swapBuffers();
    glFinish();
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void BM_HeaviestFrameAgainstEmptyFrame(benchmark::State& state) {
    GlWindow window;
    const std::string failure = window.open(false);
    if (!failure.empty()) {
        state.SkipWithError(("skipped, " + failure).c_str());
        return;
    }
    FakeSystem system;
    GlRenderer renderer;
    Game game(system, renderer);
    setUpHeaviestScene(game, renderer);

    double emptyMs = 0.0, heavyMs = 0.0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        renderer.clearFrame();
        present(window);
        emptyMs += millisecondsSince(start);

        start = std::chrono::steady_clock::now();
        renderer.clearFrame();
        renderer.drawScene(sceneView(game));
        present(window);
        heavyMs += millisecondsSince(start);
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["empty_ms"] = emptyMs / frames;
    state.counters["heavy_ms"] = heavyMs / frames;
    state.counters["heavy_per_empty"] = heavyMs / emptyMs;
    state.counters["dust_lines"] = static_cast<double>(game.cloud.particles.size());
}
BENCHMARK(BM_HeaviestFrameAgainstEmptyFrame)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace pelmora
