// The game's own 15-bit pseudo-random source with the meaning of the C
// library's srand/rand: numbers 0..32767, the same sequence for a seed on
// every system, so a seed always deals the same cube.
#pragma once

#include <cstdint>

namespace pelmora {

class Random {
public:
    static constexpr uint32_t Max = 32767;

    void seed(uint32_t seed) { state_ = seed; }

    uint32_t next() {
        state_ = state_ * 214013u + 2531011u;
        return (state_ >> 16) & 0x7FFFu;
    }

private:
    uint32_t state_ = 1;
};

}  // namespace pelmora
