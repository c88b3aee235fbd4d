// Stepping the clock, starting a fresh score, and the key delay's test.
#pragma once

#include "values/action_gate.h"
#include "values/game_clock.h"
#include "values/score_digits.h"

namespace pelmora {

class System;

void resetGameClock(GameClock& clock);
void resetScore(ScoreDigits& score);
void tickGameClock(GameClock& clock, System& system);
void advanceElapsedTime(GameClock& clock);
void refillCountdown(GameClock& clock);
bool gateAllows(ActionGate& gate, System& system);

}  // namespace pelmora
