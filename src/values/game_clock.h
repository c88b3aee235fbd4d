// Elapsed play time and the drop countdown, kept as the decimal digits the
// score bar shows and the score file stores.
#pragma once

#include <cstdint>

namespace pelmora {

struct GameClock {
    uint32_t hoursTens = 0;
    uint32_t hoursUnits = 0;
    uint32_t minutesTens = 0;
    uint32_t minutesUnits = 0;
    uint32_t secondsTens = 0;
    uint32_t secondsUnits = 0;
    uint32_t lastSecond = 0;
    uint32_t now = 0;
    uint32_t secondLength = 1000;
    uint32_t countdownTens = 3;
    uint32_t countdownUnits = 0;
    bool started = false;
    bool warned = false;
};

}  // namespace pelmora
