#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <type_traits>

#include "unit/game_rig.h"
#include "unit/play_rig.h"
#include "view/frame_list.h"

namespace pelmora {
namespace {

// Every number of a frame's draw list, so that two frames compare whole.
std::vector<double> numbersOf(const DrawList& list) {
    std::vector<double> out;
    for (const DrawCommand& c : list.commands()) {
        out.insert(out.end(), {double(c.op), double(c.value), c.angle, c.vec.x, c.vec.y, c.vec.z});
        for (uint32_t i = c.first; c.op == DrawOp::Quads && i < c.first + c.count; ++i)
            for (const TexturedVertex& v : list.quad(i))
                out.insert(out.end(), {v.tex.u, v.tex.v, v.pos.x, v.pos.y, v.pos.z});
        for (uint32_t i = c.first; c.op == DrawOp::Lines && i < c.first + c.count; ++i) {
            const ColouredLine& l = list.line(i);
            out.insert(out.end(), {double(l.red), double(l.green), double(l.blue), l.ends.from.x,
                                   l.ends.from.y, l.ends.from.z, l.ends.to.x, l.ends.to.y, l.ends.to.z});
        }
    }
    return out;
}

// Keeps the last drawn frame, and the projection it was drawn under.
class PictureRecorder : public FakeRenderer {
public:
    std::vector<double> drawn, projection;
    mutable DrawList list;

    void setProjection(bool inPerspective, uint32_t width, uint32_t height) override {
        projection = {double(inPerspective), double(width), double(height)};
    }
    void drawMenu(const MenuView& menu) override { drawn = describe(menu); }
    void drawScene(const SceneView& scene) override { drawn = describe(scene); }
    template <typename View>
    std::vector<double> describe(const View& view) const {
        list.clear();
        if constexpr (std::is_same_v<View, MenuView>) writeMenuFrame(list, view);
        else writeSceneFrame(list, view);
        std::vector<double> out = numbersOf(list);
        return out.insert(out.end(), projection.begin(), projection.end()), out;
    }
};

struct FrameSkipping : GameRigWith<PictureRecorder>, ::testing::Test {
    std::mt19937 rng;

    void SetUp() override {
        sys.provideTextures();
        ASSERT_TRUE(createGameWindow(window));
    }
    bool chance(unsigned percent) { return rng() % 1000 < percent * 10; }
    // Some presses are held over a few frames.
    void press(uint32_t key, unsigned percent) {
        if (chance(percent)) send(MessageKind::KeyDown, key);
        if (chance(40)) send(MessageKind::KeyUp, key);
    }
    template <typename T>
    T any(std::initializer_list<T> items) { return items.begin()[rng() % items.size()]; }

    // What a player and the desktop might do between two frames. Busy
    // stretches turn the cube and drop hands, which animate every frame; calm
    // ones only move the mouse inside the edges, pick cards and let time pass.
    void act(bool calm) {
        sys.ticks += uint32_t(rng() % 40) + (chance(3) ? 1001 : 0);
        if (game.mode == ModeMenu) {
            press(any({vk::Enter, vk::Enter, vk::Up, vk::Down, vk::Space, vk::letter('P')}), 10);
        } else {
            press(vk::letter('P'), 1);
            if (!calm) press(any({vk::letter('W'), vk::letter('S'), vk::letter('D'), vk::letter('A')}), 8);
        }
        if (chance(15)) {
            const int32_t edge = calm ? 60 : 0;
            if (chance(50)) sys.cursor = {edge + int32_t(rng() % uint32_t(1024 - 2 * edge)),
                                          edge + int32_t(rng() % uint32_t(768 - 2 * edge))};
            send(MessageKind::MouseMove);
        }
        if (chance(5)) send(any({MessageKind::LeftButtonUp, MessageKind::RightButtonUp}));
        if (game.mode == ModePlaying && !game.turn.turnRunning) {
            if (calm && chance(3)) pickAFreeCard();
            if (chance(calm ? 1 : 2)) pickFiveAndDrop();
        }
        if (chance(1)) send(any({MessageKind::Size, MessageKind::Paint, MessageKind::Activate}));
        if (chance(1)) send(MessageKind::Activate, 0, chance(50));
    }
    void pickAFreeCard() {
        const std::vector<Card*> free = playableCards(*game.board.face(0));
        if (!free.empty()) toggleSelection(game.selection, free[rng() % free.size()], game.cues);
    }
    // Five free cards of the front face, as five clicks would pick them, then a right click.
    void pickFiveAndDrop() {
        for (int n = 0; n < 5; ++n) pickAFreeCard();
        send(MessageKind::RightButtonUp);
    }
    std::vector<double> wouldDraw() const {
        if (game.mode == ModePlaying) return gfx.describe(sceneView(game));
        return gfx.describe(menuView(game));
    }
};

// Long seeded sessions: every frame that draws nothing finds on the screen
// exactly what drawing it would have asked for.
TEST_F(FrameSkipping, ASkippedFrameWouldHaveDrawnWhatTheScreenShows) {
    int skipped = 0, drawn = 0, escapes = 0, dusty = 0, quits = 0;
    const ImageCopy* cardImage = game.cloud.cardImage;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        rng.seed(seed);
        // Without a card image a drop leaves no dust, and nothing animates it.
        game.cloud.cardImage = seed % 2 ? cardImage : nullptr;
        for (int frame = 0; frame < 2500; ++frame) {
            const bool calm = frame / 250 % 2 == 1;
            if (calm && frame % 250 == 0)
                for (char turnKey : {'W', 'S', 'D', 'A'}) send(MessageKind::KeyUp, vk::letter(turnKey));
            act(calm);
            const bool escape = game.mode == ModePlaying && chance(1);
            if (escape) send(MessageKind::KeyDown, vk::Escape);
            std::vector<double> expected = wouldDraw();
            const int swaps = sys.swaps;
            const GameMode before = game.mode;
            quits += runFrame(game) ? 0 : 1;
            game.window.running = true;  // the session goes on past the quit item
            // Escape leaves the game before the frame is drawn, and no menu key acts after it.
            if (before != game.mode && escape) expected = wouldDraw();
            if (escape) send(MessageKind::KeyUp, vk::Escape), ++escapes;
            if (sys.swaps > swaps) {
                ++drawn;
                dusty += !game.cloud.particles.empty();
            } else if (game.input.active) {
                ++skipped;
                ASSERT_EQ(expected, gfx.drawn) << "seed " << seed << " frame " << frame;
            }
        }
    }
    // Every kind of frame came up many times.
    EXPECT_GT(skipped, 4000);
    EXPECT_GT(drawn, 1500);
    EXPECT_GT(dusty, 50);
    EXPECT_GT(escapes + quits, 50);
}

// A picture that stands still is drawn once; a turn draws each of its 70
// frames, dust each frame it lives and once more to clear it; a window
// uncovered, resized or re-activated is drawn again.
TEST_F(FrameSkipping, OnlyFramesThatShowSomethingNewAreDrawn) {
    struct Case { const char* what; std::function<void()> then; int frames; int swaps; };
    int ran = 0;
    auto frame = [&] { runFrame(game), ++ran; };
    const Case cases[] = {
        {"menu", [] {}, 200, 1},
        {"paused", [&] { game.menuPage = PagePaused; }, 200, 1},
        {"play, the clock within its second", [&] { startNewGame(game); }, 50, 1},
        {"a turn", [&] { startNewGame(game), frame(), game.gate.lastAction = 0;
                         send(MessageKind::KeyDown, vk::letter('W')); }, 90, 1 + 70},
        {"dust of life 4", [&] { startNewGame(game), frame();
                                 game.cloud.particles.resize(3, Particle{0, 0, 0, 0, 0, 0, 4}); }, 50, 1 + 5 + 1},
        {"another card where one lay", [&] { startNewGame(game), frame();
                                              game.board.face(0)->layers[0].cards[0]->value ^= 1; }, 50, 2},
        {"uncovered", [&] { game.menuPage = PageGameOver, frame(), send(MessageKind::Paint); }, 50, 2},
        {"resized", [&] { game.menuPage = PageGameWon, frame(), send(MessageKind::Size); }, 50, 2},
        {"re-activated", [&] { game.menuPage = PageQuit, frame(), send(MessageKind::Activate); }, 50, 2},
    };
    for (const Case& c : cases) {
        const int swaps = sys.swaps, skips = sys.skippedSwaps;
        ran = 0;
        ++sys.seconds;  // each new game a new deal: the same deal would rightly not be drawn again
        c.then();
        for (int i = 0; i < c.frames; ++i) frame(), sys.ticks += 10;
        EXPECT_EQ(sys.swaps - swaps, c.swaps) << c.what;
        EXPECT_EQ(sys.skippedSwaps - skips, ran - c.swaps) << c.what;
        send(MessageKind::KeyUp, vk::letter('W'));
        abandonGame(game);
    }
}

}  // namespace
}  // namespace pelmora
