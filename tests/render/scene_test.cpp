// The scene drawn for real in a full-screen window opened through the game's
// own system steps, with the game's textures painted in flat colours: one per
// atlas region, so a pixel read back names the region it shows.
#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "board/deal.h"
#include "frame/game.h"
#include "frame/main_loop.h"
#include "platform/window.h"
#include "support/fake_system.h"
#include "support/gl_window.h"
#include "view/geometry.h"
#include "view/gl/gl_renderer.h"
#include "view/picking.h"
#include "view/scene.h"
#include "view/tilt.h"

// Last: the X headers define words such as None that the test framework uses.
#include <GL/glx.h>
#include <X11/Xutil.h>

namespace pelmora {
namespace {

using Rgb = std::array<uint8_t, 3>;
enum Kind : uint8_t { Picture = 100, Highlight = 150, Corner = 200, Glyph = 50, Panel = 220 };
// The kind of region and which one of its kind.
Rgb colour(Kind kind, uint32_t index) { return {uint8_t(20 + 4 * index), kind, 10}; }
constexpr Rgb MenuPicture{200, 40, 40}, Cloth{20, 120, 40};

Image painted(int32_t size, const std::vector<std::pair<AtlasRect, Rgb>>& rects) {
    Image image{true, std::vector<uint8_t>(size_t(size) * size_t(size) * 3), size, size};
    for (const auto& [r, c] : rects)
        for (size_t y = size_t(r.bottom); y < size_t(r.top); ++y)
            for (size_t x = size_t(r.left); x < size_t(r.right); ++x)
                std::copy_n(c.data(), 3, &image.pixels[(y * size_t(size) + x) * 3]);
    return image;
}

std::map<std::string, Image> paintedTextures() {
    std::vector<std::pair<AtlasRect, Rgb>> atlas, panels;
    for (uint32_t v = 0; v < 52; ++v)
        atlas.insert(atlas.end(), {{cardPictureRect(v), colour(Picture, v)},
                                   {selectedPictureRect(v), colour(Highlight, v)},
                                   {cardCornerRect(v), colour(Corner, v)}});
    for (uint32_t d = 0; d < 10; ++d) atlas.push_back({glyphRect(d), colour(Glyph, d)});
    const AtlasRect pages[5] = {PanelNewGame, PanelQuit, PanelPaused, PanelGameWon, PanelGameOver};
    for (uint32_t page = 0; page < 5; ++page) panels.push_back({pages[page], colour(Panel, page)});
    const AtlasRect whole = {0, 64, 0, 64};
    return {{"textures\\Menu.bmp", painted(64, {{whole, MenuPicture}})},
            {"textures\\SubMenuPlots.bmp", painted(AtlasSize, panels)},
            {"textures\\CubeSurface.bmp", painted(64, {{whole, Cloth}})},
            {"textures\\CardTextureMap.bmp", painted(AtlasSize, atlas)}};
}

// One window for the suite, closed at its end with every step checked; each
// test loads the textures and builds the lists as the game does.
class Scene : public ::testing::Test {
protected:
    static inline std::unique_ptr<GlWindow> window;
    static inline std::string failure;
    static inline GlRenderer renderer;
    FakeSystem system;
    Game game{system, renderer};
    WindowContext context = windowContext(game);
    TurnContext turn = turnContext(game);

    static void SetUpTestSuite() { failure = (window = std::make_unique<GlWindow>())->open(true); }
    static void TearDownTestSuite() {
        EXPECT_TRUE(failure.empty() && (renderer.deleteDisplayLists(), window->close()));
        window.reset();
    }
    void SetUp() override {
        ASSERT_EQ(failure, "");
        system.bitmaps = paintedTextures();
        ASSERT_TRUE(initGlState(context));
        game.mode = ModePlaying;
        applyProjection(renderer, game.window, game.mode);
    }
    // One frame as the main loop draws it, left in the back buffer.
    void drawScene() {
        renderer.clearFrame();
        drawGameScene(renderer, turn, sceneView(game), game.cloud);
    }
    // A w x h block of the back buffer from (x, y) in cursor coordinates.
    static std::vector<Rgb> pixels(int x, int y, int w = 1, int h = 1) {
        std::vector<Rgb> out(size_t(w) * size_t(h));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, 768 - y - h, w, h, GL_RGB, GL_UNSIGNED_BYTE, out.data());
        return out;
    }
    // What the X server shows in the window, rows from the bottom as GL reads them.
    static std::vector<Rgb> windowPixels() {
        XImage* image = XGetImage(glXGetCurrentDisplay(), glXGetCurrentDrawable(), 0, 0, 1024, 768, AllPlanes, ZPixmap);
        std::vector<Rgb> out;
        for (int y = 767; image != nullptr && y >= 0; --y)
            for (int x = 0; x < 1024; ++x) {
                const unsigned long p = XGetPixel(image, x, y);
                out.push_back({uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
            }
        if (image != nullptr) XDestroyImage(image);
        return out;
    }
    // Where a point of the untilted front face, or of the score bar, lands in
    // the window: 24 units in front of the eye, under a 45 degree perspective.
    static Rgb drawnAt(Vec3 p) {
        const double f = 1 / std::tan(std::atan(1) / 2), depth = 24 - p.z;  // 1 / tan 22.5 degrees
        return pixels(int(512 * (1 + f * 0.75 * p.x / depth)), int(384 * (1 - f * p.y / depth)))[0];
    }
    static Rgb tileAt(Place place, uint8_t level) {
        const TileBox b = tileBox(place, level);
        return drawnAt({(b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, b.z});
    }
    static Rgb hudCell(double x0) { return drawnAt({x0 + 0.025, GlyphCellBottom + 0.025, HudZ}); }
    Card* placeCard(unsigned face, uint32_t value, Place place, uint8_t level) {
        game.board.faces[face]->layers.resize(5);
        auto& cards = game.board.faces[face]->layers[level - 1].cards;
        return cards.emplace_back(new Card{false, true, uint8_t(face), value, level, place}).get();
    }
};

const Place TopPlace = makePlace(7.5, 4.5);

// The middle of the pixels that pick each place shows the card there, with
// the cube leaning toward the cursor; the layers go from the top down so that
// every card of a dealt face is the topmost once.
TEST_F(Scene, PickingAgreesWithTheDrawnFace) {
    game.random.seed(4242);
    dealBoard(game.board, game.random);
    Face& front = *game.board.faces[0];
    drawScene();
    EXPECT_EQ(tileAt(TopPlace, 5), colour(Picture, front.cardAt(TopPlace)->value));
    EXPECT_EQ(pixels(5, 384)[0], Cloth) << "the cloth reaches the window's edges";
    EXPECT_EQ(tileAt(makePlace(1, 1), 1), Cloth);  // no card lies there
    for (auto layer = front.layers.rbegin(); layer != front.layers.rend(); layer->clear(), ++layer) {
        int boxes[32][18][4] = {};  // left, right, top, bottom of the pixels picking each place
        for (int y = 0; y < 768; ++y)
            for (int x = 0; x < 1024; ++x) {
                const Place p = pickPlace(front, x, y);
                int* b = boxes[int(p.x * 2)][int(p.y * 2)];
                if (b[3] == 0) b[0] = x, b[2] = y;  // the first pixel, top left
                b[0] = std::min(b[0], x), b[1] = std::max(b[1], x), b[3] = y;
            }
        for (const auto& card : layer->cards) {
            const int* b = boxes[int(card->place.x * 2)][int(card->place.y * 2)];
            system.cursor = {(b[0] + b[1]) / 2, (b[2] + b[3]) / 2};
            updateCursorTilt(game.input, system, game.window);
            drawScene();
            EXPECT_EQ(pixels(system.cursor.x, system.cursor.y)[0], colour(Picture, card->value))
                << "place (" << card->place.x << ", " << card->place.y << ") level " << int(card->level);
        }
    }
}

// A selected card shows its highlighted picture and its corner in the strip;
// the dust of a dropped card shows in the first frame and is gone after 61.
TEST_F(Scene, ScoreBarSelectionAndDust) {
    Card* top = placeCard(0, 30, TopPlace, 5);
    top->selected = true;
    game.selection.cards.push_back(top);
    game.score = {5, 4, 3, 2, 1};  // 12345
    game.clock = {1, 2, 3, 4, 5, 6, 0, 0, 1000, 2, 8};  // 12:34:56, countdown 28
    spawnCardParticles(game.cloud, game.random, *placeCard(0, 12, makePlace(2, 1), 1));
    game.board.faces[0]->layers[0].cards.clear();
    auto dust = [] {
        const auto all = pixels(0, 0, 1024, 768);
        return std::count(all.begin(), all.end(), colour(Picture, 12));
    };
    drawScene();
    EXPECT_EQ(tileAt(TopPlace, 5), colour(Highlight, 30));
    EXPECT_EQ(hudCell(-1.075), colour(Corner, 30));
    for (unsigned k = 0; k < 5; ++k) EXPECT_EQ(hudCell(1.025 - 0.075 * k), colour(Glyph, 5 - k));
    for (unsigned k = 0; k < 8; ++k) EXPECT_EQ(hudCell(clockGlyphLeft(k)), colour(Glyph, "12345628"[k] - '0')) << k;
    EXPECT_EQ(hudCell(0.3), (Rgb{0, 0, 0})) << "the bar behind the digits, unpainted here";
    EXPECT_GT(dust(), 100);
    for (int frame = 2; frame <= 60; ++frame) drawScene();
    EXPECT_FALSE(game.cloud.particles.empty());
    drawScene();
    EXPECT_TRUE(game.cloud.particles.empty());
    drawScene();
    EXPECT_EQ(dust(), 0);
}

// After a whole turn the face it brings round lies where the front face lay,
// the right way up.
TEST_F(Scene, EachTurnBringsItsFaceToTheFront) {
    const std::pair<int, unsigned> turns[] = {{TurnUp, 4}, {TurnDown, 5}, {TurnRight, 1}, {TurnLeft, 3}};
    for (const auto& [direction, face] : turns) {
        game.turn = CubeTurn{};
        game.input.tiltX = game.input.tiltY = 0;
        placeCard(face, face, makePlace(2, 1), 1);
        startTurn(turn, uint8_t(direction));
        for (int frame = 1; frame < 70; ++frame) stepTurnAnimation(turn);
        drawScene();
        EXPECT_EQ(tileAt(makePlace(2, 1), 1), colour(Picture, face)) << face;
    }
}

// Frames that show nothing new draw nothing: the back buffer keeps a colour
// no frame uses, and the window keeps showing exactly what a freshly drawn
// frame shows.
TEST_F(Scene, AfterSkippedFramesTheWindowShowsWhatAFreshFrameDraws) {
    Game shown{window->system, renderer};
    shown.textures = game.textures;
    shown.random.seed(4242);
    dealBoard(shown.board, shown.random);
    shown.mode = ModePlaying;
    shown.input.tiltY = 40;  // turned aside, so the clear colour shows beside the cube
    runFrame(shown);
    glClearColor(1, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    for (int frame = 0; frame < 30; ++frame) runFrame(shown);
    const auto back = pixels(0, 0, 1024, 768);
    const auto kept = windowPixels();
    renderer.setFixedState();
    shown.shown.valid = false;
    runFrame(shown);
    const auto fresh = windowPixels();
    EXPECT_EQ(std::count(back.begin(), back.end(), Rgb{255, 0, 255}), 1024 * 768);
    EXPECT_TRUE(kept == fresh);
    EXPECT_GT(std::count(fresh.begin(), fresh.end(), Rgb{0, 0, 0}), 1024 * 100) << "the clear colour beside the cube";
    EXPECT_GT(std::count(fresh.begin(), fresh.end(), colour(Picture, shown.board.face(0)->cardAt(TopPlace)->value)), 100);
}

// Full screen and double-buffered: the menu picture and each page's panel
// come from display lists. The pixels read below are those of a 1024 x 768
// window with a compatibility context; any other draws them elsewhere or not at all.
TEST_F(Scene, LegacyContextDrawsEachMenuPageWithTheTopScore) {
    EXPECT_TRUE(SDL_GetWindowFlags(window->system.window()) & SDL_WINDOW_FULLSCREEN);
    GLboolean doubled = GL_FALSE;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubled);
    EXPECT_TRUE(doubled) << "frames are drawn out of sight and swapped in whole";
    game.mode = ModeMenu;
    applyProjection(renderer, game.window, game.mode);
    game.topScore.value = {4, 3, 2, 1};  // 1234
    for (uint32_t page = 0; page < 5; ++page) {
        game.menuPage = static_cast<MenuPage>(page);
        renderer.clearFrame();
        drawMenuScreen(renderer, menuView(game));
        const Rgb panel = colour(Panel, page);
        EXPECT_EQ(pixels(512, 414)[0], panel) << page;
        EXPECT_EQ(pixels(322, 283)[0], panel) << page;        // just inside a corner
        EXPECT_EQ(pixels(319, 414)[0], MenuPicture) << page;  // just left of the panel
    }
    for (uint32_t k = 0; k < 4; ++k) EXPECT_EQ(pixels(int(20 * k + 10), 757)[0], colour(Glyph, k + 1));
    EXPECT_EQ(pixels(90, 757)[0], MenuPicture);
}

}  // namespace
}  // namespace pelmora
