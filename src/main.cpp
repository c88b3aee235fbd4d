// Pelmora: builds the system backend, the renderer and the game, runs the
// main loop, and keeps the top score for the next run.
#include <cstdio>

#include "frame/game.h"
#include "frame/main_loop.h"
#include "scores/line_file.h"
#include "scores/top_score.h"

// The desktop's own interfaces on Windows, the page's in a browser, SDL2
// elsewhere; WebGL in a browser, OpenGL elsewhere.
#if defined(_WIN32)
#include "platform/win32/win32_system.h"
#include "view/gl/gl_renderer.h"
using SystemBackend = pelmora::Win32System;
using RendererBackend = pelmora::GlRenderer;
#elif defined(__EMSCRIPTEN__)
#include "platform/web/web_system.h"
#include "view/webgl/webgl_renderer.h"
using SystemBackend = pelmora::WebSystem;
using RendererBackend = pelmora::WebGlRenderer;
#else
#include "platform/sdl/sdl_system.h"
#include "view/gl/gl_renderer.h"
using SystemBackend = pelmora::SdlSystem;
using RendererBackend = pelmora::GlRenderer;
#endif

namespace {

int runGame(pelmora::System& system, pelmora::Renderer& renderer) {
    pelmora::Game game(system, renderer);
    pelmora::loadTopScore(game.topScore);
    int rc = pelmora::runMainLoop(game);
    if (!pelmora::saveTopScore(game.topScore)) {
        std::fprintf(stderr, "Pelmora: could not write the top score to %s; it is lost.\n",
                     pelmora::ScoreFileName);
    }
    system.persistFiles();
    return rc;
}

}  // namespace

int main() {
    pelmora::ignoreFileSizeSignal();
    // Declared first so that the system goes after everything that uses it.
    SystemBackend system;
    RendererBackend renderer;
    const int rc = runGame(system, renderer);
#ifdef __EMSCRIPTEN__
    // The page is still open after the program ends, and says so.
    pelmora::announceProgramEnd(rc);
#endif
    return rc;
}
