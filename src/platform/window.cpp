#include "platform/window.h"

#include "platform/system.h"
#include "platform/textures.h"
#include "view/renderer.h"

namespace pelmora {

namespace {

constexpr uint8_t DepthBits = 16;
constexpr const char* ErrorCaption = "ERROR";
constexpr const char* ShutdownCaption = "SHUTDOWN ERROR";

void showError(WindowContext& c, const char* text, BoxIcon icon = BoxIcon::Exclamation) {
    c.system.messageBox(text, ErrorCaption, BoxButtons::Ok, icon);
}

void showShutdownError(WindowContext& c, const char* text) {
    c.system.messageBox(text, ShutdownCaption, BoxButtons::Ok, BoxIcon::Information);
}

// Everything built so far goes first, so the box never shows over a switched
// display mode.
bool failCreation(WindowContext& c, const char* text) {
    destroyGameWindow(c);
    showError(c, text);
    return false;
}

// Gives false when the player would rather not play windowed. A box nobody
// could answer counts as No.
bool enterFullscreen(WindowContext& c) {
    AppWindow& w = c.window;
    if (c.system.changeDisplayMode(w.width, w.height, w.colourBits)) {
        w.displayModeChanged = true;
        return true;
    }
    const BoxAnswer answer = c.system.messageBox(
        "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode "
        "Instead?",
        "Vask GL", BoxButtons::YesNo, BoxIcon::Exclamation);
    if (answer != BoxAnswer::Yes) return false;
    w.fullscreen = false;
    return true;
}

// In full screen the screen is the window, so it sits at the origin.
Point windowPosition(WindowContext& c) {
    const AppWindow& w = c.window;
    if (w.fullscreen || !w.centred) return {0, 0};
    const ScreenSize screen = c.system.primaryScreenSize();
    const int64_t x = int64_t{screen.width / 2} - int64_t{w.width / 2};
    const int64_t y = int64_t{screen.height / 2} - int64_t{w.height / 2};
    return {static_cast<int32_t>(x), static_cast<int32_t>(y)};
}

bool openWindow(WindowContext& c) {
    const AppWindow& w = c.window;
    const Point at = windowPosition(c);
    WindowRequest request;
    request.title = w.title;
    request.className = w.className;
    request.x = at.x;
    request.y = at.y;
    request.width = w.width;
    request.height = w.height;
    request.fullscreen = w.fullscreen;
    return c.system.createWindow(request);
}

// The device context, pixel format and rendering context, made current.
bool openGlContext(WindowContext& c) {
    AppWindow& w = c.window;
    System& sys = c.system;
    if (!sys.acquireDeviceContext()) return failCreation(c, "Can't Create A GL Device Context.");
    w.deviceContext = true;
    const int format = sys.choosePixelFormat(w.colourBits, DepthBits);
    if (format == 0) return failCreation(c, "Can't Find A Suitable PixelFormat.");
    if (!sys.setPixelFormat(format)) return failCreation(c, "Can't Set The PixelFormat.");
    if (!sys.createRenderContext()) {
        return failCreation(c, "Can't Create A GL Rendering Context.");
    }
    w.renderContext = true;
    if (!sys.makeRenderContextCurrent(true)) {
        return failCreation(c, "Can't Activate The GL Rendering Context.");
    }
    sys.setSwapInterval(1);
    return true;
}

void releaseRenderContext(WindowContext& c) {
    AppWindow& w = c.window;
    if (w.displayListsBuilt) {
        c.renderer.deleteDisplayLists();  // while the context is still current
        w.displayListsBuilt = false;
    }
    if (!c.system.makeRenderContextCurrent(false)) {
        showShutdownError(c, "Release Of DC And RC Failed.");
    }
    if (!c.system.deleteRenderContext()) {
        showShutdownError(c, "Release Rendering Context Failed.");
    }
    w.renderContext = false;
}

}  // namespace

AppWindow::AppWindow(System& system) {
    system.showCursor(true);
}

bool createGameWindow(WindowContext& c) {
    AppWindow& w = c.window;
    System& sys = c.system;
    if (!sys.registerWindowClass(w.className)) {
        showError(c, "Failed To Register The Window Class.");
        return false;
    }
    w.classRegistered = true;
    if (w.fullscreen && !enterFullscreen(c)) {
        destroyGameWindow(c);
        showError(c, "Program Will Now Close.", BoxIcon::Stop);
        return false;
    }
    sys.showCursor(w.cursorVisible);
    if (!openWindow(c)) return failCreation(c, "Window Creation Error.");
    w.window = true;
    if (!openGlContext(c)) return false;
    sys.showWindow();
    applyProjection(c.renderer, c.window, c.mode);
    if (!initGlState(c)) return failCreation(c, "Initialization Failed.");
    return true;
}

// Undoes exactly what was built, newest first; a failing step is reported and
// the rest still runs.
void destroyGameWindow(WindowContext& c) {
    AppWindow& w = c.window;
    System& sys = c.system;
    if (w.displayModeChanged) {
        sys.restoreDisplayMode();
        sys.showCursor(true);
        w.displayModeChanged = false;
    }
    if (w.renderContext) releaseRenderContext(c);
    if (w.deviceContext) {
        if (!sys.releaseDeviceContext()) showShutdownError(c, "Release Device Context Failed.");
        w.deviceContext = false;
    }
    if (w.window) {
        if (!sys.destroyWindow()) showShutdownError(c, "Could Not Release hWnd.");
        w.window = false;
    }
    if (w.classRegistered) {
        if (!sys.unregisterWindowClass(w.className)) {
            showShutdownError(c, "Could Not Unregister Class.");
        }
        w.classRegistered = false;
    }
}

bool initGlState(WindowContext& c) {
    c.renderer.setFixedState();
    TextureLoader loader{c.system, c.renderer, c.textures};
    if (!loadTextures(loader)) return false;
    // Looked up only now: appending to the list may have moved the copies.
    c.cardImage = findImageCopy(c.textures, TextureCardTextureMap);
    c.renderer.buildDisplayLists(c.window.width, c.window.height);
    c.window.displayListsBuilt = true;
    return true;
}

void applyProjection(Renderer& renderer, const AppWindow& window, GameMode mode) {
    renderer.setProjection(mode == ModePlaying, window.width, window.height);
}

}  // namespace pelmora
