// One stored top score, 1234 points at 00:03:07, and its file to the byte as
// both systems write it.
#pragma once

#include <string>

#include "scores/top_score.h"

namespace pelmora {

inline const std::string SampleScoreFile =
    "<div id=\"topscore\">\r\n<div id=\"ts_time\">00:03:07</div>\r\n"
    "<div id=\"ts_value\">1234</div>\r\n</div>\r\n";

inline TopScore sampleTopScore() {
    GameClock clock;
    clock.minutesUnits = 3;
    clock.secondsUnits = 7;
    TopScore top;
    storeTopScore(top, clock, {4, 3, 2, 1});
    return top;
}

}  // namespace pelmora
