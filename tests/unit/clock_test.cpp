#include <gtest/gtest.h>

#include "frame/clock.h"
#include "support/fake_system.h"

namespace pelmora {
namespace {

std::string elapsedText(const GameClock& c) {
    return std::to_string(c.hoursTens) + std::to_string(c.hoursUnits) + ":" +
           std::to_string(c.minutesTens) + std::to_string(c.minutesUnits) + ":" +
           std::to_string(c.secondsTens) + std::to_string(c.secondsUnits);
}

std::string countdownText(const GameClock& c) {
    return std::to_string(c.countdownTens) + std::to_string(c.countdownUnits);
}

TEST(ElapsedTime, CarriesThroughEveryDigit) {
    GameClock c;
    c.minutesTens = 5; c.minutesUnits = 9; c.secondsTens = 5; c.secondsUnits = 9;
    advanceElapsedTime(c);
    EXPECT_EQ(elapsedText(c), "01:00:00");
    c.secondsUnits = 8;
    advanceElapsedTime(c);
    EXPECT_EQ(elapsedText(c), "01:00:09");
    advanceElapsedTime(c);
    EXPECT_EQ(elapsedText(c), "01:00:10");
}

TEST(ElapsedTime, HoursTensHasNoUpperBound) {
    GameClock c;
    c.hoursTens = 9; c.hoursUnits = 9; c.minutesTens = 5; c.minutesUnits = 9;
    c.secondsTens = 5; c.secondsUnits = 9;
    advanceElapsedTime(c);
    EXPECT_EQ(c.hoursTens, 10u);
    EXPECT_EQ(elapsedText(c), "100:00:00");
}

TEST(GameClockTick, FirstTickOnlyStampsThenStepsAfterMoreThanASecond) {
    FakeSystem sys;
    GameClock c;
    sys.ticks = 5000;
    tickGameClock(c, sys);
    EXPECT_TRUE(c.started);
    EXPECT_EQ(countdownText(c), "30");
    sys.ticks = 6000;  // exactly 1000 ms: not yet
    tickGameClock(c, sys);
    EXPECT_EQ(countdownText(c), "30");
    sys.ticks = 6001;
    tickGameClock(c, sys);
    EXPECT_EQ(countdownText(c), "29");
    EXPECT_EQ(elapsedText(c), "00:00:01");
    EXPECT_EQ(c.lastSecond, 6001u);
}

TEST(GameClockTick, CountsDownToZeroAndStays) {
    FakeSystem sys;
    GameClock c;
    tickGameClock(c, sys);
    std::vector<std::string> seen;
    for (int i = 0; i < 35; ++i) {
        sys.ticks += 1001;
        tickGameClock(c, sys);
        seen.push_back(countdownText(c));
    }
    EXPECT_EQ(seen[0], "29");
    EXPECT_EQ(seen[19], "10");
    EXPECT_EQ(seen[20], "09");
    EXPECT_EQ(seen[29], "00");
    EXPECT_EQ(seen[34], "00");
    EXPECT_EQ(elapsedText(c), "00:00:35");
}

TEST(GameClockTick, AtMostOneStepPerTickAfterALongPause) {
    FakeSystem sys;
    GameClock c;
    tickGameClock(c, sys);
    sys.ticks += 60000;
    tickGameClock(c, sys);
    EXPECT_EQ(elapsedText(c), "00:00:01");
    tickGameClock(c, sys);
    EXPECT_EQ(elapsedText(c), "00:00:01");
}

TEST(GameClockTick, WorksAcrossTickCountWrapAround) {
    FakeSystem sys;
    GameClock c;
    sys.ticks = 0xFFFFFF00u;
    tickGameClock(c, sys);
    sys.ticks = 0x000002F0u;  // 1008 ms later, past the wrap
    tickGameClock(c, sys);
    EXPECT_EQ(countdownText(c), "29");
}

TEST(GameClockReset, RefillAndResetRestoreTheStartValues) {
    GameClock c;
    c.countdownTens = 0; c.countdownUnits = 3; c.warned = true; c.started = true;
    refillCountdown(c);
    EXPECT_EQ(countdownText(c), "30");
    EXPECT_FALSE(c.warned);
    EXPECT_TRUE(c.started);
    c.secondsUnits = 7;
    resetGameClock(c);
    EXPECT_FALSE(c.started);
    EXPECT_EQ(elapsedText(c), "00:00:00");
    ScoreDigits s{4, 2, 1};
    resetScore(s);
    EXPECT_EQ(s, ScoreDigits{0});
}

TEST(KeyGate, PassesOnlyStrictlyAfterTheDelayAndAcrossWrap) {
    FakeSystem sys;
    ActionGate gate;
    gate.lastAction = 10000;
    sys.ticks = 11000;
    EXPECT_FALSE(gateAllows(gate, sys));
    EXPECT_EQ(gate.now, 11000u);
    sys.ticks = 11001;
    EXPECT_TRUE(gateAllows(gate, sys));
    gate.lastAction = 0xFFFFFE00u;
    sys.ticks = 0x00000300u;  // 1280 ms after, across the wrap
    EXPECT_TRUE(gateAllows(gate, sys));
    sys.ticks = 0x00000100u;  // 768 ms after
    EXPECT_FALSE(gateAllows(gate, sys));
}

}  // namespace
}  // namespace pelmora
