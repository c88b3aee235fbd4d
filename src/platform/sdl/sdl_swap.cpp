// Buffer swaps at the display's pace. Where the driver refuses a swap
// interval (Xvfb, some virtual machines and remote desktops) the swap waits
// for the display's next refresh itself, so the game never draws frames that
// could not be shown, and its turns last as long as on any other desktop.
#include <SDL.h>
#include <time.h>

#include <cerrno>

#include "platform/monotonic.h"
#include "platform/sdl/sdl_system.h"

namespace pelmora {
namespace {

constexpr int64_t NsPerSecond = 1000000000;

// An absolute deadline: a wake-up that comes late does not push the next one back.
void sleepUntil(int64_t deadlineNs) {
    timespec at{};
    at.tv_sec = static_cast<time_t>(deadlineNs / NsPerSecond);
    at.tv_nsec = static_cast<long>(deadlineNs % NsPerSecond);
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

}  // namespace

int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * NsPerSecond + now.tv_nsec;
}

// A driver may also accept the call and keep another interval; reading it
// back tells.
void SdlSystem::setSwapInterval(int interval) {
    if (context_ == nullptr) return;
    const bool kept = SDL_GL_SetSwapInterval(interval) == 0 && SDL_GL_GetSwapInterval() == interval;
    pacedInterval_ = interval > 0 && !kept ? interval : 0;
    pacer_ = {};
}

// The refresh of the display the window is on now, which may change as it moves.
int SdlSystem::displayRefreshHz() const {
    SDL_DisplayMode mode{};
    const int display = SDL_GetWindowDisplayIndex(window_);
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0) return 0;
    return mode.refresh_rate;
}

void SdlSystem::swapBuffers() {
    if (window_ == nullptr) return;
    if (pacedInterval_ > 0) {
        setPacingPeriod(pacer_, pacedInterval_ * refreshPeriodNs(displayRefreshHz()));
        const int64_t now = monotonicNs();
        const int64_t deadline = swapDeadline(pacer_, now);
        if (deadline > now) sleepUntil(deadline);
    }
    SDL_GL_SwapWindow(window_);
}

// A skipped swap keeps the row of deadlines a paced one keeps, so skipped and
// drawn frames together still come once per refresh. Where the driver holds
// the swaps itself the row is the display's refresh all the same.
void SdlSystem::skipSwap() {
    if (window_ == nullptr) return;
    const int interval = pacedInterval_ > 0 ? pacedInterval_ : 1;
    setPacingPeriod(pacer_, interval * refreshPeriodNs(displayRefreshHz()));
    idleUntilNs_ = skipDeadline(pacer_, monotonicNs());
}

}  // namespace pelmora
