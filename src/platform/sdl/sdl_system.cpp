#include "platform/sdl/sdl_system.h"

#include <SDL.h>

#include <ctime>

#include "platform/sdl/audio.h"
#include "platform/sdl/bitmap.h"
#include "platform/sdl/host_path.h"

namespace pelmora {

SdlSystem::SdlSystem() : sound_(std::make_unique<SoundPlayer>()) {}

SdlSystem::~SdlSystem() {
    sound_.reset();
    if (context_ != nullptr) SDL_GL_DeleteContext(context_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    if (videoReady()) stopVideo();
    SDL_Quit();
}

// Counted from the start of the system, as the game's timing stamps expect,
// including time spent suspended.
uint32_t SdlSystem::tickCount() {
    timespec now{};
#ifdef CLOCK_BOOTTIME
    clock_gettime(CLOCK_BOOTTIME, &now);
#else
    clock_gettime(CLOCK_MONOTONIC, &now);
#endif
    uint64_t ms =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

int64_t SdlSystem::calendarSeconds() {
    return static_cast<int64_t>(std::time(nullptr));
}

void SdlSystem::playSound(const std::string& path) {
    sound_->play(hostPath(path));
}

Image SdlSystem::loadBitmap(const std::string& path) {
    return loadBitmapFile(hostPath(path));
}

// ---------------------------------------------------------------------------
// Cursor. SDL's global mouse state can lag behind pointer warps on some X
// servers, while the in-window state follows every event, so screen positions
// are derived from the window's origin.

Point SdlSystem::windowOrigin() const {
    Point origin;
    if (window_ != nullptr) SDL_GetWindowPosition(window_, &origin.x, &origin.y);
    return origin;
}

// Over the window SDL knows the position from its events. Once the pointer
// has left, SDL keeps the last position clamped to the window's edge, so
// the pointer's true place is asked of the display instead.
Point SdlSystem::cursorPosition() {
    Point at;
    if (!videoReady()) return at;
    if (window_ == nullptr || SDL_GetMouseFocus() != window_) {
        SDL_GetGlobalMouseState(&at.x, &at.y);
        return at;
    }
    SDL_GetMouseState(&at.x, &at.y);
    return clientToScreen(at);
}

Point SdlSystem::screenToClient(Point screen) {
    Point origin = windowOrigin();
    return {screen.x - origin.x, screen.y - origin.y};
}

Point SdlSystem::clientToScreen(Point client) {
    Point origin = windowOrigin();
    return {client.x + origin.x, client.y + origin.y};
}

void SdlSystem::setCursorPosition(Point screen) {
    if (!videoReady()) return;
    if (window_ == nullptr) {
        SDL_WarpMouseGlobal(screen.x, screen.y);
        return;
    }
    Point client = screenToClient(screen);
    SDL_WarpMouseInWindow(window_, client.x, client.y);
}

// The game may ask for a cursor before the display is open; the wish is kept
// and applied once it is.
void SdlSystem::showCursor(bool show) {
    cursorShown_ = show;
    if (videoReady()) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void SdlSystem::setCursorShape(CursorShape shape) {
    cursorShape_ = shape;
    applyCursor();
}

void SdlSystem::applyCursor() {
    if (!videoReady()) return;
    SDL_ShowCursor(cursorShown_ ? SDL_ENABLE : SDL_DISABLE);
    bool wait = cursorShape_ == CursorShape::Wait;
    SDL_Cursor*& cursor = wait ? wait_ : arrow_;
    if (cursor == nullptr) {
        cursor = SDL_CreateSystemCursor(wait ? SDL_SYSTEM_CURSOR_WAIT : SDL_SYSTEM_CURSOR_ARROW);
    }
    if (cursor != nullptr) SDL_SetCursor(cursor);
}

void SdlSystem::freeCursors() {
    if (arrow_ != nullptr) SDL_FreeCursor(arrow_);
    if (wait_ != nullptr) SDL_FreeCursor(wait_);
    arrow_ = nullptr;
    wait_ = nullptr;
}

// After a switch to a full-screen mode the screen is that mode's size, as the
// game's centring of the cursor expects.
ScreenSize SdlSystem::primaryScreenSize() {
    if (!videoReady()) return {};
    if (mode_.chosen) {
        return {static_cast<uint32_t>(mode_.width), static_cast<uint32_t>(mode_.height)};
    }
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) return {};
    return {static_cast<uint32_t>(desktop.w), static_cast<uint32_t>(desktop.h)};
}

}  // namespace pelmora
