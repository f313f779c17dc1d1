#pragma once
// Single-image GIF89a files, encoded by giflib.
// Any thread: every function here works only on its arguments.
#include <cstdint>
#include <optional>
#include <vector>

#include "tools/art/Canvas.h"

namespace fileformat {

struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<artwork::Rgb8> palette;  // 256 entries: the global colour table
  std::vector<std::uint8_t> indices;   // top row first
};

// Logical screen of the picture's size with an 8-bit, unsorted global table, background
// index 0 and no aspect ratio; one graphic control extension (no transparency, no delay, no
// disposal); one image at (0, 0), not interlaced, without a local table. Nothing on failure.
std::optional<std::vector<std::uint8_t>> EncodeGif(const IndexedPicture& picture);

}  // namespace fileformat
