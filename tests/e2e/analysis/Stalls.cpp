#include "tests/e2e/analysis/Stalls.h"

#include <algorithm>
#include <utility>

namespace e2e {

std::vector<TimeSpan> MachineStalls(const std::vector<std::vector<TimeSpan>>& lateByWatcher, int quorum,
                                    double minSeconds) {
  // A sweep over every watcher's late spans: +1 where one begins, -1 where it ends. A watcher's
  // own spans never overlap (it is late once at a time), so the count is how many are late.
  std::vector<std::pair<double, int>> edges;
  for (const auto& spans : lateByWatcher) {
    for (const TimeSpan& span : spans) {
      if (span.to <= span.from) continue;
      edges.emplace_back(span.from, +1);
      edges.emplace_back(span.to, -1);
    }
  }
  // At one instant, ends before beginnings: spans that only touch do not overlap.
  std::sort(edges.begin(), edges.end());
  std::vector<TimeSpan> stalls;
  int late = 0;
  double since = 0.0;
  for (const auto& [at, step] : edges) {
    const bool wasStalled = late >= quorum;
    late += step;
    const bool isStalled = late >= quorum;
    if (!wasStalled && isStalled) since = at;
    if (wasStalled && !isStalled) {
      if (!stalls.empty() && since <= stalls.back().to) {
        stalls.back().to = at;
      } else {
        stalls.push_back({since, at});
      }
    }
  }
  std::erase_if(stalls, [&](const TimeSpan& s) { return s.to - s.from < minSeconds; });
  return stalls;
}

}  // namespace e2e
