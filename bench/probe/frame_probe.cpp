// Loaded into a program with LD_PRELOAD, it watches it from the outside:
// the moment of its first presented frame, how many frames it presents, and
// how long each cube turn lasts on screen (from the first frame showing the
// wait cursor to the frame giving the arrow back). Nothing in the program
// knows it is there.
//
//   PELMORA_PROBE_OUT=path    lines are appended to this file
//   PELMORA_PROBE_FIRST=1     end the program right after its first frame
//
// Lines: "first <ns>", "frames <ns> <count>" about once a second, and
// "turn <ns> <frames>"; times are CLOCK_MONOTONIC nanoseconds.
#include <SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

using SwapFn = void (*)(SDL_Window*);
using CreateCursorFn = SDL_Cursor* (*)(SDL_SystemCursor);
using SetCursorFn = void (*)(SDL_Cursor*);

struct Probe {
    int out = -1;
    bool stopAfterFirst = false;
    unsigned long frames = 0;
    long long lastReport = 0;
    SDL_Cursor* wait = nullptr;
    bool turning = false;
    long long turnStart = 0;
    unsigned long turnFrames = 0;
};

Probe& probe() {
    static Probe p = [] {
        Probe made;
        if (const char* path = std::getenv("PELMORA_PROBE_OUT"))
            made.out = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        made.stopAfterFirst = std::getenv("PELMORA_PROBE_FIRST") != nullptr;
        return made;
    }();
    return p;
}

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

void report(const char* what, long long ns, unsigned long count) {
    Probe& p = probe();
    if (p.out < 0) return;
    char line[80];
    const int n = std::snprintf(line, sizeof line, "%s %lld %lu\n", what, ns, count);
    if (n > 0 && write(p.out, line, static_cast<size_t>(n)) < 0) p.out = -1;
}

template <typename Fn>
Fn next(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    static const SwapFn real = next<SwapFn>("SDL_GL_SwapWindow");
    real(window);
    Probe& p = probe();
    ++p.frames;
    const long long now = nowNs();
    if (p.frames == 1) {
        report("first", now, 1);
        if (p.stopAfterFirst) _exit(0);
    }
    if (now - p.lastReport >= 1000000000LL) {
        report("frames", now, p.frames);
        p.lastReport = now;
    }
}

extern "C" SDL_Cursor* SDL_CreateSystemCursor(SDL_SystemCursor id) {
    static const CreateCursorFn real = next<CreateCursorFn>("SDL_CreateSystemCursor");
    SDL_Cursor* made = real(id);
    if (id == SDL_SYSTEM_CURSOR_WAIT) probe().wait = made;
    return made;
}

extern "C" void SDL_SetCursor(SDL_Cursor* cursor) {
    static const SetCursorFn real = next<SetCursorFn>("SDL_SetCursor");
    real(cursor);
    Probe& p = probe();
    if (cursor == nullptr || p.wait == nullptr) return;
    if (cursor == p.wait && !p.turning) {
        p.turning = true;
        p.turnStart = nowNs();
        p.turnFrames = p.frames;
    } else if (cursor != p.wait && p.turning) {
        p.turning = false;
        report("turn", nowNs() - p.turnStart, p.frames - p.turnFrames);
    }
}
