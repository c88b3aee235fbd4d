#include "platform/frame_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmora {
namespace {

constexpr int64_t Period = 16666667;  // 60 Hz

// A loop that works for work[i] ns before each swap and sleeps until the
// pacer lets the swap go; gives the time of every swap.
std::vector<int64_t> swapTimes(FramePacer& pacer, const std::vector<int64_t>& work) {
    std::vector<int64_t> at;
    int64_t now = 5000;
    for (int64_t w : work) {
        now = swapDeadline(pacer, now + w);
        at.push_back(now);
    }
    return at;
}

TEST(FramePacer, RefreshRatesToPeriodsWithSixtyHertzWhenUnknown) {
    const struct { int hz; int64_t ns; } rows[] = {
        {60, Period}, {0, Period}, {-3, Period}, {144, 6944444}, {75, 13333333}, {1, 1000000000}};
    for (const auto& row : rows) EXPECT_EQ(refreshPeriodNs(row.hz), row.ns) << row.hz;
}

// Light frames swap exactly one period apart for as long as the game runs:
// every deadline is the previous one plus the period, however late each
// wake-up was asked for.
TEST(FramePacer, QuickFramesKeepAnExactRowWithoutDrift) {
    FramePacer pacer;
    setPacingPeriod(pacer, Period);
    std::vector<int64_t> work(3600);
    for (size_t i = 0; i < work.size(); ++i) work[i] = 1000000 + 37000 * int64_t(i % 11);
    const std::vector<int64_t> at = swapTimes(pacer, work);
    for (size_t i = 1; i < at.size(); ++i) ASSERT_EQ(at[i] - at[0], int64_t(i) * Period) << i;
}

// A frame a little late goes at once and the next still lands on the row; a
// frame more than a period late starts a new row from itself.
TEST(FramePacer, LateFramesGoAtOnceAndOnlyLongStallsMoveTheRow) {
    const struct { const char* what; std::vector<int64_t> work, fromFirst; } rows[] = {
        {"quick", {0, 1000, 1000}, {0, Period, 2 * Period}},
        {"a little late", {0, Period + 4000000, 1000}, {0, Period + 4000000, 2 * Period}},
        {"just one period late", {0, 2 * Period, 1000}, {0, 2 * Period, 3 * Period}},
        {"stalled", {0, 3 * Period, 1000, 1000}, {0, 3 * Period, 4 * Period, 5 * Period}},
    };
    for (const auto& row : rows) {
        FramePacer pacer;
        setPacingPeriod(pacer, Period);
        std::vector<int64_t> at = swapTimes(pacer, row.work);
        for (int64_t& t : at) t -= 5000;
        EXPECT_EQ(at, row.fromFirst) << row.what;
    }
}

TEST(FramePacer, NoPeriodHoldsNothingAndANewPeriodStartsANewRow) {
    FramePacer pacer;
    EXPECT_EQ(swapTimes(pacer, {10, 10, 10}), (std::vector<int64_t>{5010, 5020, 5030}));
    setPacingPeriod(pacer, Period);
    swapTimes(pacer, {0, 0});
    setPacingPeriod(pacer, Period);  // the same refresh keeps the row
    EXPECT_TRUE(pacer.anchored);
    setPacingPeriod(pacer, 2 * Period);
    EXPECT_EQ(swapTimes(pacer, {0, 0}), (std::vector<int64_t>{5000, 5000 + 2 * Period}));
    setPacingPeriod(pacer, -1);
    EXPECT_EQ(swapTimes(pacer, {7}), std::vector<int64_t>{5007});
}


// A skipped frame waits for the row's next deadline like a swap, but never
// goes at once: with no row yet, or after a stall, it waits a whole period.
TEST(FramePacer, SkippedFramesWaitOnTheRowAndStartOnePeriodOn) {
    FramePacer pacer;
    setPacingPeriod(pacer, Period);
    EXPECT_EQ(skipDeadline(pacer, 1000), 1000 + Period) << "no row yet";
    EXPECT_EQ(skipDeadline(pacer, 1000 + Period + 5), 1000 + 2 * Period) << "on the row";
    EXPECT_EQ(swapDeadline(pacer, 1000 + 2 * Period), 1000 + 3 * Period) << "a drawn frame keeps it";
    EXPECT_EQ(skipDeadline(pacer, 1000 + 4 * Period + 5), 1000 + 5 * Period) << "a little late, yet it waits";
    EXPECT_EQ(skipDeadline(pacer, 1000 + 7 * Period), 1000 + 8 * Period) << "after a stall";
}

}  // namespace
}  // namespace pelmora
