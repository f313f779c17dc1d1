#pragma once
// Windows icon files whose every image is a device-independent bitmap with its 1-bit mask.
// Any thread: every function here works only on its arguments.
#include <cstdint>
#include <span>
#include <vector>

#include "tools/art/Canvas.h"

namespace fileformat {

// One square image of an icon, top row first.
struct IconImage {
  int size = 0;
  int bitsPerPixel = 0;                // 1, 4, 8, 24 or 32
  std::vector<artwork::Rgb8> palette;  // 1 << bitsPerPixel entries at 8 bits and below
  std::vector<std::uint8_t> indices;   // palette index of each pixel at 8 bits and below
  std::vector<artwork::Rgb8> colours;  // each pixel at 24 and 32 bits
  std::vector<std::uint8_t> alpha;     // each pixel's opacity at 32 bits
  std::vector<bool> transparent;       // the mask: true where the desktop shows through
};

// The whole file: directory, then each image in the given order. Images of 256 pixels carry
// 0 as their width and height in the directory, as the format requires.
std::vector<std::uint8_t> EncodeIco(std::span<const IconImage> images);

}  // namespace fileformat
