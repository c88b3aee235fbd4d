// The window, its legacy GL context and the full-screen display mode, one
// step per call.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/sdl/host_path.h"
#include "platform/sdl/sdl_system.h"

namespace pelmora {
namespace {

bool offscreenAskedFor() {
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (asked == nullptr) return false;
    std::string list = asked;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(',', start);
        if (end == std::string::npos) end = list.size();
        if (SDL_strcasecmp(list.substr(start, end - start).c_str(), "offscreen") == 0) return true;
        start = end + 1;
    }
    return false;
}

// Without a display SDL quietly falls back to drawing off screen, and the game
// would run where nobody can see it.
bool landedOffscreen() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && SDL_strcasecmp(driver, "offscreen") == 0 && !offscreenAskedFor();
}

void complain(const char* what) {
    std::fprintf(stderr, "Pelmora: %s: %s\n", what, SDL_GetError());
}

// The desktop entry's name, so the shell ties the window to the menu entry and
// its icon (X11's WM_CLASS, Wayland's app id).
constexpr const char* DesktopEntryName = "pelmora";
// Drawn by the asset generator beside the textures; without it the window
// simply has no icon of its own.
constexpr const char* WindowIconPath = "textures\\Icon.bmp";

// SDL reads these from the environment when the video starts; a player's own
// setting stays.
void nameForTheDesktop() {
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", DesktopEntryName, 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", DesktopEntryName, 0);
}

void setWindowIcon(SDL_Window* window) {
    SDL_Surface* icon = SDL_LoadBMP(hostPath(WindowIconPath).c_str());
    if (icon == nullptr) return;
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

}  // namespace

// A busy X server now and then refuses a connection for a moment; SDL then
// reports no display at all, or falls back to drawing off screen. Without any
// display named there is nothing to wait for.
bool SdlSystem::startVideo() {
    int attempts = std::getenv("DISPLAY") != nullptr ? 5 : 1;
    nameForTheDesktop();
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        if (attempt > 1) SDL_Delay(static_cast<Uint32>(40 * attempt));
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) continue;
        if (!landedOffscreen()) {
            videoStarted_ = true;
            SDL_DisableScreenSaver();
            SDL_StopTextInput();
            applyCursor();
            return true;
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        SDL_SetError("only the off-screen driver is available");
    }
    if (!noDisplaySaid_) complain("no display to open the window on");
    noDisplaySaid_ = true;
    return false;
}

void SdlSystem::stopVideo() {
    freeCursors();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    videoStarted_ = false;
    mode_ = {};
}

bool SdlSystem::registerWindowClass(const std::string&) {
    return videoReady() || startVideo();
}

// Like the desktop, the class cannot go while its window still exists.
bool SdlSystem::unregisterWindowClass(const std::string&) {
    if (!videoReady() || window_ != nullptr) return false;
    stopVideo();
    return true;
}

// Only a mode of exactly the asked size will do; the colour depth is matched
// when the display offers it. Some drivers list no modes but the desktop's.
bool SdlSystem::changeDisplayMode(uint32_t width, uint32_t height, uint8_t colourBits) {
    if (!videoReady()) return false;
    ChosenMode found;
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i <= count; ++i) {
        SDL_DisplayMode mode{};
        int got = i < count ? SDL_GetDisplayMode(0, i, &mode) : SDL_GetDesktopDisplayMode(0, &mode);
        if (got != 0 || (i == count && found.chosen)) continue;
        if (mode.w != static_cast<int>(width) || mode.h != static_cast<int>(height)) continue;
        bool sameDepth = SDL_BITSPERPIXEL(mode.format) == colourBits;
        if (found.chosen && !sameDepth) continue;
        found = {true, mode.format, mode.w, mode.h, mode.refresh_rate};
        if (sameDepth) break;
    }
    mode_ = found;
    return found.chosen;
}

void SdlSystem::restoreDisplayMode() {
    if (window_ != nullptr && fullscreen_) SDL_SetWindowFullscreen(window_, 0);
    fullscreen_ = false;
    mode_ = {};
}

// On X11 the window's visual is fixed when it is created, so the buffer
// layout has to be known by then.
SDL_Window* SdlSystem::openWindow(const WindowRequest& request, const PixelLayout& layout) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, layout.red);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, layout.green);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, layout.blue);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, layout.depth);
    // Display lists and immediate mode need a compatibility context.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    flags |= request.fullscreen ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_RESIZABLE;
    SDL_Window* opened =
        SDL_CreateWindow(request.title.c_str(), request.x, request.y,
                         static_cast<int>(request.width), static_cast<int>(request.height), flags);
    if (opened == nullptr) {
        complain("cannot create the window");
        return nullptr;
    }
    setWindowIcon(opened);
    if (request.fullscreen && mode_.chosen) {
        SDL_DisplayMode mode{mode_.format, mode_.width, mode_.height, mode_.refreshRate, nullptr};
        SDL_SetWindowDisplayMode(opened, &mode);
    }
    return opened;
}

bool SdlSystem::createWindow(const WindowRequest& request) {
    if (!videoReady() || window_ != nullptr) return false;
    window_ = openWindow(request, chosenLayout_);
    if (window_ == nullptr) return false;
    request_ = request;
    windowLayout_ = chosenLayout_;
    fullscreen_ = request.fullscreen;
    minimised_ = false;
    return true;
}

bool SdlSystem::destroyWindow() {
    if (window_ == nullptr) return false;
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    fullscreen_ = false;
    return true;
}

// SDL draws straight into the window: there is no separate device context.
bool SdlSystem::acquireDeviceContext() {
    return window_ != nullptr;
}
bool SdlSystem::releaseDeviceContext() {
    return window_ != nullptr;
}

int SdlSystem::choosePixelFormat(uint8_t colourBits, uint8_t depthBits) {
    if (window_ == nullptr) return 0;
    chosenLayout_ = {8, 8, 8, depthBits};
    if (colourBits > 0 && colourBits <= 16) chosenLayout_ = {5, colourBits == 15 ? 5 : 6, 5, depthBits};
    return 1;
}

// A layout other than the one the window was built with means building the
// still hidden window again.
bool SdlSystem::setPixelFormat(int format) {
    if (window_ == nullptr || format != 1 || context_ != nullptr) return false;
    if (chosenLayout_ == windowLayout_) return true;
    SDL_Window* rebuilt = openWindow(request_, chosenLayout_);
    if (rebuilt == nullptr) return false;
    SDL_DestroyWindow(window_);
    window_ = rebuilt;
    windowLayout_ = chosenLayout_;
    return true;
}

bool SdlSystem::createRenderContext() {
    if (window_ == nullptr || context_ != nullptr) return false;
    context_ = SDL_GL_CreateContext(window_);
    if (context_ == nullptr) {
        complain("cannot create the GL context");
        return false;
    }
    return true;
}

bool SdlSystem::makeRenderContextCurrent(bool current) {
    if (!current) return SDL_GL_MakeCurrent(window_, nullptr) == 0;
    if (window_ == nullptr || context_ == nullptr) return false;
    return SDL_GL_MakeCurrent(window_, context_) == 0;
}

bool SdlSystem::deleteRenderContext() {
    if (context_ == nullptr) return false;
    SDL_GL_DeleteContext(context_);
    context_ = nullptr;
    pacedInterval_ = 0;
    return true;
}

void SdlSystem::showWindow() {
    if (window_ == nullptr) return;
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    SDL_SetWindowInputFocus(window_);
}

}  // namespace pelmora
