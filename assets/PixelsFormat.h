#pragma once
// Pictures decoded at build time into the pixels the window keeps, so that start-up copies
// them instead of decoding. A file holds its images one after another, each a header and then
// width x height 32-bit pixels in the machine's byte order, top row first: premultiplied ARGB
// when the picture has an alpha channel, else 0xffRRGGBB.
#include <cstdint>

namespace assets {

struct PixelsHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t alpha = 0;  // 1: premultiplied ARGB; 0: opaque
};

}  // namespace assets
