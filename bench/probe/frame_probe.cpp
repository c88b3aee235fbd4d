// Loaded into a program with LD_PRELOAD, it watches it from the outside:
// the moment of its first presented frame, how many frames it presents, how
// many allocations the program's own code makes through operator new, and
// how long each cube turn lasts on screen (from the first frame showing the
// wait cursor to the frame giving the arrow back). Nothing in the program
// knows it is there.
//
//   PELMORA_PROBE_OUT=path    lines are appended to this file
//   PELMORA_PROBE_FIRST=1     end the program right after its first frame
//
// Lines: "first <ns> 1 <allocations>", "frames <ns> <count> <allocations>"
// about once a second (counts so far), and "turn <ns> <frames> <allocations>"
// (during the turn); times are CLOCK_MONOTONIC nanoseconds.
#include <SDL.h>
#include <fcntl.h>
#include <sys/auxv.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include "allocation_origin.h"

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
    unsigned long turnAllocations = 0;
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

// The clock of platform/monotonic.h, which the start-up benchmark compares
// these stamps with; read here, as a preloaded library carries none of the
// game's code.
long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

std::atomic<unsigned long> programAllocations{0};

// The program's own code lives in its executable.
bool fromProgram(const void* caller) {
    static const void* const program =
        pelmora::origin::objectOf(reinterpret_cast<const void*>(getauxval(AT_PHDR)));
    return pelmora::origin::madeBy(program, caller);
}

thread_local bool insideProbe = false;
// Off when only the first frame is timed: looking up callers costs time.
bool countAllocations = false;

__attribute__((constructor)) void startProbe() {
    countAllocations = std::getenv("PELMORA_PROBE_FIRST") == nullptr;
}

void* allocate(std::size_t size, const void* caller) {
    if (countAllocations && !insideProbe) {
        insideProbe = true;
        if (fromProgram(caller)) ++programAllocations;
        insideProbe = false;
    }
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void report(const char* what, long long ns, unsigned long frames, unsigned long allocations) {
    Probe& p = probe();
    if (p.out < 0) return;
    char line[96];
    const int n =
        std::snprintf(line, sizeof line, "%s %lld %lu %lu\n", what, ns, frames, allocations);
    if (n > 0 && write(p.out, line, static_cast<size_t>(n)) < 0) p.out = -1;
}

template <typename Fn>
Fn next(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

}  // namespace

// Deleting stays with the standard library, which frees what malloc gave.
__attribute__((noinline)) void* operator new(std::size_t size) {
    return allocate(size, __builtin_return_address(0));
}
__attribute__((noinline)) void* operator new[](std::size_t size) {
    return allocate(size, __builtin_return_address(0));
}

extern "C" void SDL_GL_SwapWindow(SDL_Window* window) {
    static const SwapFn real = next<SwapFn>("SDL_GL_SwapWindow");
    real(window);
    Probe& p = probe();
    ++p.frames;
    const long long now = nowNs();
    if (p.frames == 1) {
        report("first", now, 1, programAllocations);
        if (p.stopAfterFirst) _exit(0);
    }
    if (now - p.lastReport >= 1000000000LL) {
        report("frames", now, p.frames, programAllocations);
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
        p.turnAllocations = programAllocations;
    } else if (cursor != p.wait && p.turning) {
        p.turning = false;
        report("turn", nowNs() - p.turnStart, p.frames - p.turnFrames,
               programAllocations - p.turnAllocations);
    }
}
