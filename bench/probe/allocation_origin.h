// Whose allocation is it? The first caller outside the standard library
// tells: the game's own code lives in one object, while the GL driver (its
// shader compiler is written in C++) and the standard library are shared
// objects of their own. Used by the frame probe and by the test that counts
// the game's allocations per frame.
#pragma once

#include <dlfcn.h>
#include <execinfo.h>

#include <cstring>

namespace pelmora::origin {

inline const void* objectOf(const void* address) {
    Dl_info info{};
    return dladdr(address, &info) != 0 ? info.dli_fbase : nullptr;
}

inline bool inStandardLibrary(const void* address) {
    Dl_info info{};
    return dladdr(address, &info) != 0 && info.dli_fname != nullptr &&
           std::strstr(info.dli_fname, "libstdc++") != nullptr;
}

// Whether operator new, called from caller, allocated for code in the object `game`.
inline bool madeBy(const void* game, const void* caller) {
    if (!inStandardLibrary(caller)) return objectOf(caller) == game;
    void* frames[32];
    const int n = backtrace(frames, 32);
    int i = 0;
    while (i < n && frames[i] != caller) ++i;
    while (i < n && inStandardLibrary(frames[i])) ++i;
    return i < n && objectOf(frames[i]) == game;
}

}  // namespace pelmora::origin
