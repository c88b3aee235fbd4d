// Everything the game asks of the graphics library. The GL renderer draws;
// tests use a fake that records what was asked.
#pragma once

#include <cstdint>

#include "values/game_clock.h"
#include "values/image.h"
#include "values/modes.h"
#include "values/score_digits.h"

namespace pelmora {

struct Board;
struct CubeTurn;
struct InputState;
struct ParticleCloud;
struct Selection;
struct TextureRegistry;

// What one frame of the game scene shows.
struct SceneView {
    const TextureRegistry& textures;
    const Board& board;
    const GameClock& clock;
    const ScoreDigits& score;
    const Selection& selection;
    const ParticleCloud& cloud;
    const InputState& input;  // the cube's tilt
    const CubeTurn& turn;     // the face it brings forward is drawn too
};

// What one frame of the menu shows.
struct MenuView {
    const TextureRegistry& textures;
    const ScoreDigits& topScore;
    MenuPage page;
};

class Renderer {
public:
    virtual ~Renderer() = default;

    // Blending, smoothing, depth test, hints, shading and clear colour.
    virtual void setFixedState() = 0;
    // Uploads an image as a 2-D texture; gives its texture name (0: none).
    virtual uint32_t createTexture(const Image& image) = 0;
    virtual void buildDisplayLists(uint32_t width, uint32_t height) = 0;
    virtual void deleteDisplayLists() = 0;
    // Perspective while playing, window pixels in the menu.
    virtual void setProjection(bool perspective, uint32_t width, uint32_t height) = 0;
    // Clears colour and depth and loads the identity model-view matrix.
    virtual void clearFrame() = 0;
    virtual void drawMenu(const MenuView& menu) = 0;
    // Draws the scene as it stands; turn stepping and particle ageing are
    // done around it by the game.
    virtual void drawScene(const SceneView& scene) = 0;
};

}  // namespace pelmora
