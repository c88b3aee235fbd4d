#include "platform/frame_pacer.h"

namespace pelmora {

int64_t refreshPeriodNs(int refreshHz) {
    const int hz = refreshHz > 0 ? refreshHz : DefaultRefreshHz;
    return (1000000000 + hz / 2) / hz;
}

void setPacingPeriod(FramePacer& pacer, int64_t periodNs) {
    if (pacer.periodNs == periodNs) return;
    pacer = {};
    pacer.periodNs = periodNs > 0 ? periodNs : 0;
}

int64_t swapDeadline(FramePacer& pacer, int64_t nowNs) {
    if (pacer.periodNs == 0) return nowNs;
    // The first swap, or one after a long stall, goes at once and starts the row.
    if (!pacer.anchored || nowNs - pacer.nextNs > pacer.periodNs) {
        pacer.anchored = true;
        pacer.nextNs = nowNs + pacer.periodNs;
        return nowNs;
    }
    if (nowNs <= pacer.nextNs) {
        const int64_t at = pacer.nextNs;
        pacer.nextNs += pacer.periodNs;
        return at;
    }
    // A little late: go at once, and leave the next swap the rest of the row's
    // following period, never two swaps in one.
    pacer.nextNs += pacer.periodNs * ((nowNs - pacer.nextNs) / pacer.periodNs + 1);
    return nowNs;
}

int64_t skipDeadline(FramePacer& pacer, int64_t nowNs) {
    if (pacer.periodNs == 0) return nowNs;
    if (!pacer.anchored || nowNs - pacer.nextNs > pacer.periodNs) {
        pacer.anchored = true;
        pacer.nextNs = nowNs + pacer.periodNs;
    }
    while (pacer.nextNs <= nowNs) pacer.nextNs += pacer.periodNs;
    return swapDeadline(pacer, nowNs);
}

}  // namespace pelmora
