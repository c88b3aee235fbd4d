#include "frame/clock.h"

#include "platform/system.h"

namespace pelmora {

void resetGameClock(GameClock& clock) {
    clock = GameClock{};
}

void resetScore(ScoreDigits& score) {
    score.assign(1, 0);
}

void tickGameClock(GameClock& clock, System& system) {
    if (!clock.started) {
        clock.lastSecond = system.tickCount();
        clock.started = true;
        return;
    }
    clock.now = system.tickCount();
    if (clock.now - clock.lastSecond <= clock.secondLength) return;
    advanceElapsedTime(clock);
    if (clock.countdownUnits > 0) {
        --clock.countdownUnits;
    } else if (clock.countdownTens > 0) {
        --clock.countdownTens;
        clock.countdownUnits = 9;
    }
    // Stamped afresh, never advanced by a second: a late frame is not caught up.
    clock.lastSecond = system.tickCount();
}

void advanceElapsedTime(GameClock& c) {
    if (c.secondsUnits != 9) {
        ++c.secondsUnits;
        return;
    }
    c.secondsUnits = 0;
    if (c.secondsTens != 5) {
        ++c.secondsTens;
        return;
    }
    c.secondsTens = 0;
    if (c.minutesUnits != 9) {
        ++c.minutesUnits;
        return;
    }
    c.minutesUnits = 0;
    if (c.minutesTens != 5) {
        ++c.minutesTens;
        return;
    }
    c.minutesTens = 0;
    if (c.hoursUnits != 9) {
        ++c.hoursUnits;
        return;
    }
    c.hoursUnits = 0;
    ++c.hoursTens;
}

void refillCountdown(GameClock& clock) {
    clock.countdownTens = 3;
    clock.countdownUnits = 0;
    clock.warned = false;
}

bool gateAllows(ActionGate& gate, System& system) {
    gate.now = system.tickCount();
    return gate.now - gate.lastAction > gate.delay;
}

}  // namespace pelmora
