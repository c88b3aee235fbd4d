// The game's window with its GL context, the fixed GL state and the projection.
#pragma once

#include <cstdint>
#include <string>

#include "values/modes.h"

namespace pelmora {

class Renderer;
class System;
struct ImageCopy;
struct TextureRegistry;

constexpr const char* WindowClassName = "_w_Qemmet_j_";

struct AppWindow {
    // Being built asks the system to show the cursor, once.
    explicit AppWindow(System& system);

    bool centred = true;
    bool running = true;
    bool fullscreen = true;
    bool cursorVisible = true;
    uint32_t height = 768;
    uint32_t width = 1024;
    uint8_t colourBits = 24;
    std::string title = "Pelmora";
    std::string className = WindowClassName;
    // What has been created so far, so teardown undoes exactly that.
    bool classRegistered = false;
    bool window = false;
    bool deviceContext = false;
    bool renderContext = false;
    bool displayListsBuilt = false;
    // The display mode was switched and must be given back at teardown.
    bool displayModeChanged = false;
};

// What opening and closing the window reads and changes.
struct WindowContext {
    System& system;
    Renderer& renderer;
    AppWindow& window;
    TextureRegistry& textures;
    const ImageCopy*& cardImage;  // handed the card atlas once it is loaded
    const GameMode& mode;         // the projection set at creation follows it
};

bool createGameWindow(WindowContext& context);
void destroyGameWindow(WindowContext& context);
bool initGlState(WindowContext& context);
void applyProjection(Renderer& renderer, const AppWindow& window, GameMode mode);

}  // namespace pelmora
