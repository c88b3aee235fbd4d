// The game's window with its GL context, the fixed GL state and the projection.
#pragma once

#include <cstdint>
#include <string>

namespace pelmora {

struct Game;

struct AppWindow {
    bool centred = true;
    bool running = true;
    bool fullscreen = true;
    bool cursorVisible = true;
    uint32_t height = 768;
    uint32_t width = 1024;
    uint8_t colourBits = 24;
    std::string title = "Pelmora";
    std::string className = "_w_Qemmet_j_";
    // What has been created so far, so teardown undoes exactly that.
    bool classRegistered = false;
    bool window = false;
    bool deviceContext = false;
    bool renderContext = false;
    bool displayListsBuilt = false;
    // The display mode was switched and must be given back at teardown.
    bool displayModeChanged = false;
};

bool createGameWindow(Game& game);
void destroyGameWindow(Game& game);
bool initGlState(Game& game);
void applyProjection(Game& game);

}  // namespace pelmora
