#pragma once
// Machine stalls: spans during which the whole machine stood still (a virtual machine whose
// host did not run it), seen as many watchers, one per processor, waking late at once. No
// program can keep sound flowing through a stall longer than what it has handed the sound
// server, so the checks leave such spans out and say so.
#include <vector>

namespace e2e {

struct TimeSpan {
  double from = 0.0;  // seconds
  double to = 0.0;
};

// The spans during which at least `quorum` of the watchers were late at once, merged where
// they touch, kept when at least minSeconds long. Any thread.
std::vector<TimeSpan> MachineStalls(const std::vector<std::vector<TimeSpan>>& lateByWatcher, int quorum,
                                    double minSeconds);

}  // namespace e2e
