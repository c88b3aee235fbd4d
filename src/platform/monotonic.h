// A clock that never steps back, in nanoseconds, for waits on refresh
// deadlines. Each system's backend gives it.
#pragma once

#include <cstdint>

namespace pelmora {

int64_t monotonicNs();

}  // namespace pelmora
