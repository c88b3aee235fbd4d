#include <SDL.h>

#include "platform/sdl/events.h"
#include "platform/sdl/sdl_system.h"

namespace pelmora {

bool SdlSystem::takeEvent(Message& out) {
    if (!videoReady()) return false;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (translateEvent(event, minimised_, out)) return true;
    }
    return false;
}

// A minimised game draws no frames, so no swap paces its loop: rather than
// spin, it waits for the next event up to one refresh of the display.
bool SdlSystem::waitWhileMinimised(Message& out) {
    if (!minimised_ || window_ == nullptr) return false;
    const int period = static_cast<int>(refreshPeriodNs(displayRefreshHz()) / 1000000);
    SDL_Event event;
    return SDL_WaitEventTimeout(&event, period) != 0 && translateEvent(event, minimised_, out);
}

// Like the desktop's quit message, it comes only once every other waiting
// message has been taken.
bool SdlSystem::peekMessage(Message& out) {
    if (takeEvent(out)) return true;
    if (!quitPosted_) return waitWhileMinimised(out);
    quitPosted_ = false;
    out = Message{};
    out.kind = MessageKind::Quit;
    out.exitCode = quitCode_;
    return true;
}

void SdlSystem::postQuitMessage(int exitCode) {
    quitPosted_ = true;
    quitCode_ = exitCode;
}

}  // namespace pelmora
