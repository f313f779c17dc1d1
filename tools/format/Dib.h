#pragma once
// The 40-byte device-independent bitmap header shared by BMP files and icon images.
// Any thread: every function here works only on its arguments.
#include <cstdint>

#include "tools/format/ByteWriter.h"

namespace fileformat {

inline constexpr std::uint32_t kInfoHeaderSize = 40;

// Bytes of one stored row of `width` pixels at `bitsPerPixel`, padded to four bytes.
inline std::uint32_t DibRowBytes(int width, int bitsPerPixel) {
  return ((static_cast<std::uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

struct InfoHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: rows stored bottom-up
  std::uint16_t bitsPerPixel = 0;
  std::uint32_t imageBytes = 0;
  std::int32_t pixelsPerMetre = 0;
};

// Uncompressed (BI_RGB), one plane, every palette entry counted as used.
inline void WriteInfoHeader(ByteWriter& out, const InfoHeader& h) {
  out.U32(kInfoHeaderSize);
  out.I32(h.width);
  out.I32(h.height);
  out.U16(1);
  out.U16(h.bitsPerPixel);
  out.U32(0);
  out.U32(h.imageBytes);
  out.I32(h.pixelsPerMetre);
  out.I32(h.pixelsPerMetre);
  out.U32(0);
  out.U32(0);
}

}  // namespace fileformat
