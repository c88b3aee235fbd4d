#include "view/gl/gl_renderer.h"

namespace pelmora {

// Placeholder bodies until the GL drawing lands.
void GlRenderer::setFixedState() {}
uint32_t GlRenderer::createTexture(const Image&) { return 0; }
void GlRenderer::buildDisplayLists(uint32_t, uint32_t) {}
void GlRenderer::deleteDisplayLists() {}
void GlRenderer::applyProjection(bool, uint32_t, uint32_t) {}
void GlRenderer::clearFrame() {}
void GlRenderer::drawMenuScreen(const Game&) {}
void GlRenderer::drawGameScene(const Game&) {}

}  // namespace pelmora
