#include "view/frame_list.h"

#include "board/board.h"
#include "platform/textures.h"
#include "play/drop.h"
#include "values/input_state.h"
#include "view/turn.h"

namespace pelmora {

namespace {

constexpr double EyeDistance = 24.0;
constexpr unsigned CubeFaces = 6;

void bindNamed(DrawList& list, const TextureRegistry& textures, const char* name) {
    list.add(DrawOp::BindTexture, findTextureId(textures, name));
}

// The bar with the clock, the score and the hand strip stays fixed on the
// screen: it is drawn before the cube's rotations.
void writeHud(DrawList& list, const SceneView& scene) {
    list.add(DrawOp::TexturingOn);
    bindNamed(list, scene.textures, TextureCardTextureMap);
    list.add(DrawOp::ReplayList, ListHudBar);
    list.beginQuads();
    for (const Quad& quad : clockGlyphQuads(scene.clock)) list.addQuad(quad);
    for (const Quad& quad : scoreGlyphQuads(scene.score)) list.addQuad(quad);
    for (const Quad& quad : handStripQuads(scene.selection)) list.addQuad(quad);
    list.add(DrawOp::TexturingOff);
}

void writeDust(DrawList& list, const ParticleCloud& cloud) {
    list.beginLines();
    for (const Particle& p : cloud.particles)
        list.addLine({p.red, p.green, p.blue, particleLine(p)});
}

// Covered cards are written too; the depth test hides what lies beneath.
void writeFace(DrawList& list, const SceneView& scene, const Face& face) {
    bindNamed(list, scene.textures, TextureCubeSurface);
    list.add(DrawOp::ReplayList, ListCubeFace);
    bindNamed(list, scene.textures, TextureCardTextureMap);
    list.beginQuads();
    for (const Layer& layer : face.layers)
        for (const auto& card : layer.cards)
            for (const Quad& quad : cardTileQuads(*card)) list.addQuad(quad);
}

// Only the front face and the face the latest turn brings forward can be
// seen; the placement rotations still run for every index.
void writeCube(DrawList& list, const SceneView& scene) {
    list.colour(1.0, 1.0, 1.0);
    list.add(DrawOp::TexturingOn);
    for (unsigned i = 0; i < CubeFaces; ++i) {
        const bool shown = i == 0 || i == scene.turn.targetFace;
        if (shown && i < scene.board.faces.size() && scene.board.faces[i])
            writeFace(list, scene, *scene.board.faces[i]);
        for (const Rotation& r : placementAfterFace(i)) list.rotate(r);
    }
    list.add(DrawOp::TexturingOff);
}

}  // namespace

// Every menu quad lies at depth 0; under the less-or-equal depth test each
// later one covers the earlier, so the panel lies over the picture.
void writeMenuFrame(DrawList& list, const MenuView& menu) {
    list.add(DrawOp::Clear);
    list.colour(1.0, 1.0, 1.0);
    list.add(DrawOp::TexturingOn);
    bindNamed(list, menu.textures, TextureMenu);
    list.add(DrawOp::ReplayList, ListMenuBackground);
    bindNamed(list, menu.textures, TextureCardTextureMap);
    list.beginQuads();
    for (const Quad& quad : menuScoreQuads(menu.topScore)) list.addQuad(quad);
    bindNamed(list, menu.textures, TextureSubMenuPlots);
    if (const uint32_t panel = panelListFor(menu.page)) list.add(DrawOp::ReplayList, panel);
    list.add(DrawOp::TexturingOff);
}

void writeSceneFrame(DrawList& list, const SceneView& scene) {
    list.translate(0.0, 0.0, -EyeDistance);
    writeHud(list, scene);
    list.rotate({scene.input.tiltX, {1.0, 0.0, 0.0}});
    list.rotate({scene.input.tiltY, {0.0, 1.0, 0.0}});
    list.rotate({scene.input.tiltZ, {0.0, 0.0, 1.0}});
    writeDust(list, scene.cloud);
    writeCube(list, scene);
}

void ListRenderer::drawMenu(const MenuView& menu) {
    list_.clear();
    writeMenuFrame(list_, menu);
    replay(list_);
}

void ListRenderer::drawScene(const SceneView& scene) {
    list_.clear();
    writeSceneFrame(list_, scene);
    replay(list_);
}

}  // namespace pelmora
