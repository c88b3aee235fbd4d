// A real window with a legacy GL context, textures painted in flat colours
// (one per atlas region, so a pixel read back names the region it shows),
// and a game drawn through the GL renderer.
#pragma once

#include <SDL.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "frame/game.h"
#include "support/fake_system.h"
#include "support/scene_math.h"
#include "view/atlas.h"
#include "view/gl/gl_renderer.h"
#include "view/scene.h"

namespace pelmora::rendertest {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c) {
    return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

// The blue byte names the kind of region, the red byte which one.
inline Rgb pictureColour(uint32_t value) { return {uint8_t(20 + 4 * value), 100, 10}; }
inline Rgb highlightColour(uint32_t value) { return {uint8_t(20 + 4 * value), 150, 20}; }
inline Rgb cornerColour(uint32_t value) { return {uint8_t(20 + 4 * value), 200, 30}; }
inline Rgb glyphColour(uint32_t digit) { return {uint8_t(20 + 20 * digit), 100, 40}; }
constexpr Rgb HudBarColour{30, 30, 70};
constexpr Rgb SlotMarkerColour{30, 30, 80};
constexpr Rgb AtlasBackground{30, 30, 90};
constexpr Rgb MenuColour{200, 40, 40};
constexpr Rgb ClothColour{20, 120, 40};
constexpr Rgb PanelBackground{10, 10, 110};
inline Rgb panelColour(int page) { return {uint8_t(60 + 30 * page), 220, 120}; }

class Painter {
public:
    Painter(int32_t w, int32_t h, Rgb fill) {
        image.loaded = true;
        image.width = w;
        image.height = h;
        image.pixels.resize(size_t(w) * size_t(h) * 3);
        paint({0, w, 0, h}, fill);
    }
    // Rows count from the bottom, as the atlas does.
    void paint(const AtlasRect& r, Rgb c) {
        for (int y = r.bottom; y < r.top; ++y)
            for (int x = r.left; x < r.right; ++x) {
                uint8_t* p = &image.pixels[(size_t(y) * size_t(image.width) + size_t(x)) * 3];
                p[0] = c.r;
                p[1] = c.g;
                p[2] = c.b;
            }
    }
    Image image;
};

inline Image cardAtlas() {
    Painter p(AtlasSize, AtlasSize, AtlasBackground);
    p.paint(HudBar, HudBarColour);
    p.paint(SlotMarker, SlotMarkerColour);
    for (uint32_t value = 0; value < 52; ++value) {
        p.paint(cardPictureRect(value), pictureColour(value));
        p.paint(selectedPictureRect(value), highlightColour(value));
        p.paint(cardCornerRect(value), cornerColour(value));
    }
    for (uint32_t d = 0; d < 10; ++d) p.paint(glyphRect(d), glyphColour(d));
    return p.image;
}

inline Image panelSheet() {
    Painter p(AtlasSize, AtlasSize, PanelBackground);
    const AtlasRect panels[5] = {PanelNewGame, PanelQuit, PanelPaused, PanelGameWon,
                                 PanelGameOver};
    for (int page = 0; page < 5; ++page) p.paint(panels[page], panelColour(page));
    return p.image;
}

inline ImageCopy keptCopy(const Image& image) {
    ImageCopy copy;
    copy.width = image.width;
    copy.height = image.height;
    copy.name = "CardTextureMap";
    for (size_t i = 0; i + 2 < image.pixels.size(); i += 3)
        copy.pixels.push_back({image.pixels[i + 2], image.pixels[i + 1], image.pixels[i]});
    return copy;
}

// One window and context for the whole run; textures and lists are built once.
class GlSession {
public:
    static GlSession& instance() {
        static GlSession session;
        return session;
    }
    bool ready() const { return context_ != nullptr; }
    const std::string& failure() const { return failure_; }
    GlRenderer renderer;
    TextureRegistry textures;

    // The back buffer in cursor coordinates (origin top left).
    Rgb pixelAt(int x, int y) const {
        uint8_t rgb[3] = {0, 0, 0};
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, Height - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        return {rgb[0], rgb[1], rgb[2]};
    }
    void swap() { SDL_GL_SwapWindow(window_); }

    static constexpr int Width = 1024;
    static constexpr int Height = 768;

private:
    GlSession() {
        if (SDL_Init(SDL_INIT_VIDEO) != 0) {
            failure_ = std::string("no display: ") + SDL_GetError();
            return;
        }
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
        window_ = SDL_CreateWindow("scene test", 0, 0, Width, Height, SDL_WINDOW_OPENGL);
        if (window_ != nullptr) context_ = SDL_GL_CreateContext(window_);
        if (context_ == nullptr) {
            failure_ = std::string("no GL context: ") + SDL_GetError();
            return;
        }
        SDL_GL_SetSwapInterval(0);
        renderer.setFixedState();
        const Image atlas = cardAtlas();
        textures.entries.push_back({"Menu", renderer.createTexture(Painter(64, 64, MenuColour).image)});
        textures.entries.push_back({"SubMenuPlots", renderer.createTexture(panelSheet())});
        textures.entries.push_back({"CubeSurface", renderer.createTexture(Painter(64, 64, ClothColour).image)});
        textures.entries.push_back({"CardTextureMap", renderer.createTexture(atlas)});
        textures.images.push_back(keptCopy(atlas));
        renderer.buildDisplayLists(Width, Height);
    }
    ~GlSession() {
        if (context_ != nullptr) {
            renderer.deleteDisplayLists();
            SDL_GL_DeleteContext(context_);
        }
        if (window_ != nullptr) SDL_DestroyWindow(window_);
        SDL_Quit();
    }

    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    std::string failure_;
};

// A game drawn into the shared window: the fake system stands in for the
// cursor, clock and sounds; drawing is real.
class SceneTest : public ::testing::Test {
protected:
    GlSession& gl = GlSession::instance();
    FakeSystem system;
    Game game{system, gl.renderer};

    void SetUp() override {
        if (!gl.ready()) GTEST_SKIP() << gl.failure();
        game.textures = gl.textures;
        game.cloud.cardImage = &game.textures.images.front();
        game.mode = ModePlaying;
        gl.renderer.applyProjection(true, GlSession::Width, GlSession::Height);
    }

    // One frame as the main loop draws it, left in the back buffer.
    void drawSceneFrame() {
        gl.renderer.clearFrame();
        drawGameScene(game);
    }
    void showMenu() {
        game.mode = ModeMenu;
        gl.renderer.applyProjection(false, GlSession::Width, GlSession::Height);
        gl.renderer.clearFrame();
        drawMenuScreen(game);
    }

    // Where a point of the front face lands in the window with the current tilt.
    testmath::ScreenPoint onScreen(Vec3 p) const {
        return testmath::toCursor(
            testmath::cubeModelView(game.input.tiltX, game.input.tiltY, game.input.tiltZ), p);
    }
    Rgb pixelAt(testmath::ScreenPoint p) const { return gl.pixelAt(int(p.x), int(p.y)); }
    // The middle of a tile's top as it appears on screen.
    Rgb tileCentre(Place place, uint8_t level) const {
        const TileBox b = tileBox(place, level);
        return pixelAt(onScreen({(b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, b.z}));
    }
    // The middle of a glyph cell or strip slot of the score bar.
    Rgb hudCell(double x0) const {
        return pixelAt(testmath::toCursor(testmath::translation(0, 0, -24),
                                          {x0 + 0.025, (GlyphCellBottom + GlyphCellTop) / 2, HudZ}));
    }

    // A face with just the given cards; the others stay empty.
    Card* placeCard(unsigned faceIndex, uint32_t value, Place place, uint8_t level) {
        Face& face = *game.board.faces[faceIndex];
        if (face.layers.size() < 5) {
            face.layers.resize(5);
            for (uint8_t i = 0; i < 5; ++i) face.layers[i].level = uint8_t(i + 1);
        }
        auto card = std::make_unique<Card>();
        card->value = value;
        card->place = place;
        card->level = level;
        card->face = uint8_t(faceIndex);
        card->free = true;
        Card* raw = card.get();
        face.layers[level - 1].cards.push_back(std::move(card));
        return raw;
    }
};

}  // namespace pelmora::rendertest
