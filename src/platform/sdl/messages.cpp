#include <SDL.h>

#include "platform/monotonic.h"
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

// After a frame that drew nothing no swap paces the loop: rather than spin,
// it waits for the next event or the refresh the skipped swap stood for,
// whichever comes first. A minimised window never draws, so it always waits,
// a whole refresh for each event.
bool SdlSystem::waitForEvent(Message& out) {
    if (minimised_ && idleUntilNs_ == 0 && window_ != nullptr)
        idleUntilNs_ = monotonicNs() + refreshPeriodNs(displayRefreshHz());
    while (idleUntilNs_ != 0) {
        const int64_t left = idleUntilNs_ - monotonicNs();
        if (left <= 0) break;
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, static_cast<int>((left + 999999) / 1000000)) == 0) break;
        if (translateEvent(event, minimised_, out)) return true;
    }
    idleUntilNs_ = 0;
    return false;
}

// Like the desktop's quit message, it comes only once every other waiting
// message has been taken.
bool SdlSystem::peekMessage(Message& out) {
    if (takeEvent(out)) return true;
    if (!quitPosted_) return waitForEvent(out);
    quitPosted_ = false;
    out = messageOf(MessageKind::Quit);
    out.exitCode = quitCode_;
    return true;
}

void SdlSystem::postQuitMessage(int exitCode) {
    quitPosted_ = true;
    quitCode_ = exitCode;
}

}  // namespace pelmora
