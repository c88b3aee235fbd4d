// Pelmora: builds the system backend, the renderer and the game, runs the
// main loop, and keeps the top score for the next run.
#include <cstdio>

#include "frame/game.h"
#include "frame/main_loop.h"
#include "scores/line_file.h"
#include "scores/top_score.h"
#include "view/gl/gl_renderer.h"

// The desktop's own interfaces on Windows, SDL2 elsewhere.
#ifdef _WIN32
#include "platform/win32/win32_system.h"
using SystemBackend = pelmora::Win32System;
#else
#include "platform/sdl/sdl_system.h"
using SystemBackend = pelmora::SdlSystem;
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
    return rc;
}

}  // namespace

int main() {
    pelmora::ignoreFileSizeSignal();
    // Declared first so that the system goes after everything that uses it.
    SystemBackend system;
    pelmora::GlRenderer renderer;
    return runGame(system, renderer);
}
