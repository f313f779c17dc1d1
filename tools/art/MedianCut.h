#pragma once
// Palette reduction by median cut: the colour space is split, box by box, where the pixels
// are most spread out, and each box becomes one palette colour.
// Any thread: every function here works only on its arguments.
#include <span>
#include <vector>

#include "tools/art/Canvas.h"

namespace artwork {

struct Quantised {
  std::vector<Rgb8> palette;  // distinct colours, at most the count asked for
  std::vector<int> index;     // for each input pixel, its entry in `palette`
};

// At most `count` colours for `pixels`; every palette entry is used by at least one pixel.
Quantised MedianCut(std::span<const Rgb8> pixels, int count);

}  // namespace artwork
