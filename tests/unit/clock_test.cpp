#include <gtest/gtest.h>

#include "frame/clock.h"
#include "support/fake_system.h"

namespace pelmora {
namespace {

uint32_t secondsShown(const GameClock& c) {
    return ((((c.hoursTens * 10 + c.hoursUnits) * 6 + c.minutesTens) * 10 + c.minutesUnits) * 6 +
            c.secondsTens) * 10 + c.secondsUnits;
}

TEST(GameClock, ElapsedTimeCarriesThroughEveryDigitAndTheHoursHaveNoLimit) {
    GameClock c;
    for (uint32_t n = 1; n <= 100 * 3600; ++n) {
        advanceElapsedTime(c);
        ASSERT_EQ(secondsShown(c), n);
        ASSERT_TRUE(c.secondsUnits < 10 && c.secondsTens < 6 && c.minutesUnits < 10 &&
                    c.minutesTens < 6 && c.hoursUnits < 10) << n;
    }
    EXPECT_EQ(c.hoursTens, 10u);
}

// The tick count wraps in the middle of the fifth second of this game.
TEST(GameClock, StepsAfterMoreThanASecondCountingDownTo00AndStaying) {
    FakeSystem sys;
    sys.ticks = 0u - 4 * 1001 - 700;
    GameClock c;
    tickGameClock(c, sys);  // the first tick only stamps
    for (uint32_t step = 1; step <= 32; ++step) {
        for (uint32_t wait : {500u, 500u, 1u}) {  // exactly a second is not one yet
            sys.ticks += wait;
            tickGameClock(c, sys);
            ASSERT_EQ(secondsShown(c), wait == 1 ? step : step - 1);
        }
        ASSERT_EQ(c.countdownTens * 10 + c.countdownUnits, step < 30 ? 30 - step : 0);
    }
}

}  // namespace
}  // namespace pelmora
