#include <GL/gl.h>

#include "board/board.h"
#include "platform/textures.h"
#include "play/drop.h"
#include "values/input_state.h"
#include "view/turn.h"
#include "view/gl/gl_draw.h"
#include "view/gl/gl_renderer.h"

namespace pelmora {

namespace {

constexpr double EyeDistance = 24.0;
constexpr unsigned CubeFaces = 6;

// The bar with the clock, the score and the hand strip stays fixed on the
// screen: it is drawn before the cube's rotations.
void drawHud(const SceneView& scene) {
    glEnable(GL_TEXTURE_2D);
    bindNamedTexture(scene.textures, TextureCardTextureMap);
    glCallList(ListHudBar);
    glBegin(GL_QUADS);
    for (const Quad& quad : clockGlyphQuads(scene.clock)) emitQuad(quad);
    for (const Quad& quad : scoreGlyphQuads(scene.score)) emitQuad(quad);
    for (const Quad& quad : handStripQuads(scene.selection)) emitQuad(quad);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void drawParticles(const ParticleCloud& cloud) {
    glBegin(GL_LINES);
    for (const Particle& p : cloud.particles) {
        glColor3ub(p.red, p.green, p.blue);
        const LineEnds line = particleLine(p);
        glVertex3d(line.from.x, line.from.y, line.from.z);
        glVertex3d(line.to.x, line.to.y, line.to.z);
    }
    glEnd();
}

// Covered cards are drawn too; the depth test hides what lies beneath.
void drawFace(const SceneView& scene, const Face& face) {
    bindNamedTexture(scene.textures, TextureCubeSurface);
    glCallList(ListCubeFace);
    bindNamedTexture(scene.textures, TextureCardTextureMap);
    glBegin(GL_QUADS);
    for (const Layer& layer : face.layers)
        for (const auto& card : layer.cards)
            for (const Quad& quad : cardTileQuads(*card)) emitQuad(quad);
    glEnd();
}

// Only the front face and the face the latest turn brings forward can be
// seen; the placement rotations still run for every index.
void drawCube(const SceneView& scene) {
    glColor3d(1.0, 1.0, 1.0);
    glEnable(GL_TEXTURE_2D);
    for (unsigned i = 0; i < CubeFaces; ++i) {
        const bool shown = i == 0 || i == scene.turn.targetFace;
        if (shown && i < scene.board.faces.size() && scene.board.faces[i])
            drawFace(scene, *scene.board.faces[i]);
        for (const Rotation& r : placementAfterFace(i)) rotate(r);
    }
    glDisable(GL_TEXTURE_2D);
}

}  // namespace

void GlRenderer::drawScene(const SceneView& scene) {
    glTranslated(0.0, 0.0, -EyeDistance);
    drawHud(scene);
    glRotated(scene.input.tiltX, 1.0, 0.0, 0.0);
    glRotated(scene.input.tiltY, 0.0, 1.0, 0.0);
    glRotated(scene.input.tiltZ, 0.0, 0.0, 1.0);
    drawParticles(scene.cloud);
    drawCube(scene);
}

}  // namespace pelmora
