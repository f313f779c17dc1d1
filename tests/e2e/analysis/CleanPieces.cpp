#include "tests/e2e/analysis/CleanPieces.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace e2e {

std::vector<FrameRange> ReadFrameRanges(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<FrameRange> ranges;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    FrameRange range;
    std::string rest;
    if (!(words >> range.from >> range.to) || (words >> rest) || range.to < range.from) {
      throw std::runtime_error("not a frame range in " + path + ": " + line);
    }
    ranges.push_back(range);
  }
  return ranges;
}

std::vector<FrameRange> CleanPieces(FrameRange range, std::span<const FrameRange> excluded, std::int64_t minFrames) {
  std::vector<FrameRange> cuts(excluded.begin(), excluded.end());
  std::sort(cuts.begin(), cuts.end(), [](const FrameRange& a, const FrameRange& b) { return a.from < b.from; });
  std::vector<FrameRange> pieces;
  std::int64_t from = range.from;
  auto keep = [&](std::int64_t to) {
    if (to - from >= minFrames) pieces.push_back({from, to});
  };
  for (const FrameRange& cut : cuts) {
    if (cut.to <= from) continue;
    if (cut.from >= range.to) break;
    keep(std::max(from, cut.from));
    from = std::max(from, cut.to);
  }
  keep(range.to);
  return pieces;
}

}  // namespace e2e
