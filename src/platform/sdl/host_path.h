// The game writes its file paths with backslashes ("sounds\drop.wav"); the
// files themselves are opened with the host's separator.
#pragma once

#include <algorithm>
#include <string>

namespace pelmora {

inline std::string hostPath(std::string gamePath) {
    std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
    return gamePath;
}

}  // namespace pelmora
