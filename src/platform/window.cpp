#include "platform/window.h"

#include "frame/game.h"
#include "platform/textures.h"

namespace pelmora {

namespace {

constexpr uint8_t DepthBits = 16;
constexpr const char* ErrorCaption = "ERROR";
constexpr const char* ShutdownCaption = "SHUTDOWN ERROR";

void showError(Game& game, const char* text, BoxIcon icon = BoxIcon::Exclamation) {
    game.system.messageBox(text, ErrorCaption, BoxButtons::Ok, icon);
}

void showShutdownError(Game& game, const char* text) {
    game.system.messageBox(text, ShutdownCaption, BoxButtons::Ok, BoxIcon::Information);
}

// Everything built so far goes first, so the box never shows over a switched
// display mode.
bool failCreation(Game& game, const char* text) {
    destroyGameWindow(game);
    showError(game, text);
    return false;
}

// Gives false when the player would rather not play windowed. A box nobody
// could answer counts as No.
bool enterFullscreen(Game& game) {
    AppWindow& w = game.window;
    if (game.system.changeDisplayMode(w.width, w.height, w.colourBits)) {
        w.displayModeChanged = true;
        return true;
    }
    const BoxAnswer answer = game.system.messageBox(
        "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode "
        "Instead?",
        "Vask GL", BoxButtons::YesNo, BoxIcon::Exclamation);
    if (answer != BoxAnswer::Yes) return false;
    w.fullscreen = false;
    return true;
}

// In full screen the screen is the window, so it sits at the origin.
Point windowPosition(Game& game) {
    const AppWindow& w = game.window;
    if (w.fullscreen || !w.centred) return {0, 0};
    const ScreenSize screen = game.system.primaryScreenSize();
    const int64_t x = int64_t{screen.width / 2} - int64_t{w.width / 2};
    const int64_t y = int64_t{screen.height / 2} - int64_t{w.height / 2};
    return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
}

bool openWindow(Game& game) {
    const AppWindow& w = game.window;
    const Point at = windowPosition(game);
    WindowRequest request;
    request.title = w.title;
    request.className = w.className;
    request.x = at.x;
    request.y = at.y;
    request.width = w.width;
    request.height = w.height;
    request.fullscreen = w.fullscreen;
    return game.system.createWindow(request);
}

// The device context, pixel format and rendering context, made current.
bool openGlContext(Game& game) {
    AppWindow& w = game.window;
    System& sys = game.system;
    if (!sys.acquireDeviceContext()) return failCreation(game, "Can't Create A GL Device Context.");
    w.deviceContext = true;
    const int format = sys.choosePixelFormat(w.colourBits, DepthBits);
    if (format == 0) return failCreation(game, "Can't Find A Suitable PixelFormat.");
    if (!sys.setPixelFormat(format)) return failCreation(game, "Can't Set The PixelFormat.");
    if (!sys.createRenderContext()) {
        return failCreation(game, "Can't Create A GL Rendering Context.");
    }
    w.renderContext = true;
    if (!sys.makeRenderContextCurrent(true)) {
        return failCreation(game, "Can't Activate The GL Rendering Context.");
    }
    sys.setSwapInterval(1);
    return true;
}

void releaseRenderContext(Game& game) {
    AppWindow& w = game.window;
    if (w.displayListsBuilt) {
        game.renderer.deleteDisplayLists();  // while the context is still current
        w.displayListsBuilt = false;
    }
    if (!game.system.makeRenderContextCurrent(false)) {
        showShutdownError(game, "Release Of DC And RC Failed.");
    }
    if (!game.system.deleteRenderContext()) {
        showShutdownError(game, "Release Rendering Context Failed.");
    }
    w.renderContext = false;
}

}  // namespace

bool createGameWindow(Game& game) {
    AppWindow& w = game.window;
    System& sys = game.system;
    if (!sys.registerWindowClass(w.className)) {
        showError(game, "Failed To Register The Window Class.");
        return false;
    }
    w.classRegistered = true;
    if (w.fullscreen && !enterFullscreen(game)) {
        destroyGameWindow(game);
        showError(game, "Program Will Now Close.", BoxIcon::Stop);
        return false;
    }
    sys.showCursor(w.cursorVisible);
    if (!openWindow(game)) return failCreation(game, "Window Creation Error.");
    w.window = true;
    if (!openGlContext(game)) return false;
    sys.showWindow();
    applyProjection(game);
    if (!initGlState(game)) return failCreation(game, "Initialization Failed.");
    return true;
}

// Undoes exactly what was built, newest first; a failing step is reported and
// the rest still runs.
void destroyGameWindow(Game& game) {
    AppWindow& w = game.window;
    System& sys = game.system;
    if (w.displayModeChanged) {
        sys.restoreDisplayMode();
        sys.showCursor(true);
        w.displayModeChanged = false;
    }
    if (w.renderContext) releaseRenderContext(game);
    if (w.deviceContext) {
        if (!sys.releaseDeviceContext()) showShutdownError(game, "Release Device Context Failed.");
        w.deviceContext = false;
    }
    if (w.window) {
        if (!sys.destroyWindow()) showShutdownError(game, "Could Not Release hWnd.");
        w.window = false;
    }
    if (w.classRegistered) {
        if (!sys.unregisterWindowClass(w.className)) {
            showShutdownError(game, "Could Not Unregister Class.");
        }
        w.classRegistered = false;
    }
}

bool initGlState(Game& game) {
    game.renderer.setFixedState();
    if (!loadTextures(game)) return false;
    game.renderer.buildDisplayLists(game.window.width, game.window.height);
    game.window.displayListsBuilt = true;
    return true;
}

void applyProjection(Game& game) {
    game.renderer.applyProjection(game.mode == ModePlaying, game.window.width,
                                  game.window.height);
}

}  // namespace pelmora
