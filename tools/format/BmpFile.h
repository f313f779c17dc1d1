#pragma once
// Windows bitmap files: 24 bits per pixel, uncompressed, bottom-up, no colour table.
// Any thread: every function here works only on its arguments.
#include <cstdint>
#include <vector>

#include "tools/art/Canvas.h"

namespace fileformat {

// 72 dots per inch.
inline constexpr std::int32_t kPixelsPerMetre = 2834;

// The whole file: 14-byte file header, 40-byte information header, then the rows.
std::vector<std::uint8_t> EncodeBmp24(const artwork::Canvas& picture);

}  // namespace fileformat
