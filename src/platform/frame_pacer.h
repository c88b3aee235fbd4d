// Swaps held to the display's refresh where the driver will not hold them:
// each swap waits for the next of a row of deadlines one period apart. The
// row is advanced by the period, never restarted from the time the swap came,
// so the pace does not drift; a late swap goes at once, and one more than a
// period late starts a new row.
#pragma once

#include <cstdint>

namespace pelmora {

// The refresh assumed where the display does not say.
constexpr int DefaultRefreshHz = 60;

struct FramePacer {
    int64_t periodNs = 0;  // 0: swaps are not held
    int64_t nextNs = 0;    // the next deadline, once anchored
    bool anchored = false;
};

int64_t refreshPeriodNs(int refreshHz);  // 0 or less: unknown
// A new period starts a new row; the same one keeps the row going.
void setPacingPeriod(FramePacer& pacer, int64_t periodNs);
// When a swap asked for at nowNs may go ahead (nowNs itself when at once).
int64_t swapDeadline(FramePacer& pacer, int64_t nowNs);
// Until when a frame that drew nothing waits, on the same row: unlike a late
// swap it is never urgent, so it waits for the row's next deadline still to
// come, and a row that stalled, or none yet, starts one period from now.
int64_t skipDeadline(FramePacer& pacer, int64_t nowNs);

}  // namespace pelmora
