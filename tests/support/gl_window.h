// A 1024 x 768 window with the game's legacy GL context, opened and closed
// through the same system steps the game takes.
#pragma once

#include <string>

#include "platform/sdl/sdl_system.h"
#include "platform/window.h"

namespace pelmora {

struct GlWindow {
    SdlSystem system;
    static constexpr const char* ClassName = WindowClassName;

    // Empty when the window is open and its context current, else what is missing.
    std::string open(bool fullscreen) {
        if (!system.registerWindowClass(ClassName)) return "no display";
        if (fullscreen && !system.changeDisplayMode(1024, 768, 24)) return "no 1024x768 mode";
        if (!system.createWindow({"Pelmora", ClassName, 0, 0, 1024, 768, fullscreen}) ||
            !system.acquireDeviceContext() || !system.setPixelFormat(system.choosePixelFormat(24, 16)) ||
            !system.createRenderContext() || !system.makeRenderContextCurrent(true))
            return "no window with a GL context";
        system.showWindow();
        system.setSwapInterval(0);
        return "";
    }
    // True when every step of the teardown succeeds.
    bool close() {
        system.restoreDisplayMode();
        return system.makeRenderContextCurrent(false) && system.deleteRenderContext() &&
               system.releaseDeviceContext() && system.destroyWindow() &&
               system.unregisterWindowClass(ClassName);
    }
};

}  // namespace pelmora
