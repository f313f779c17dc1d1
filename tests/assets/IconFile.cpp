#include "tests/assets/IconFile.h"

#include "tests/assets/LittleEndian.h"

namespace assets_test {

IconHeader ReadIconHeader(std::span<const unsigned char> file) {
  const LittleEndian ico(file);
  IconHeader header{ico.U16(0), ico.U16(2), {}};
  const int count = ico.U16(4);
  for (int i = 0; i < count; ++i) {
    const size_t at = 6 + 16 * static_cast<size_t>(i);
    header.entries.push_back({ico.U8(at), ico.U8(at + 1), ico.U8(at + 2), ico.U8(at + 3),
                              ico.U16(at + 4), ico.U16(at + 6), ico.U32(at + 8), ico.U32(at + 12)});
  }
  return header;
}

namespace {

size_t RowBytes(int width, int bits) { return ((static_cast<size_t>(width) * bits + 31) / 32) * 4; }

// Bit-packed value of pixel `x` in a stored row starting at `row`.
int Packed(const LittleEndian& ico, size_t row, int x, int bits) {
  const size_t bit = static_cast<size_t>(x) * bits;
  const int byte = ico.U8(row + bit / 8);
  return (byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
}

}  // namespace

IconPixels ReadIconPixels(std::span<const unsigned char> file, const IconEntry& entry) {
  const LittleEndian ico(file);
  IconPixels out;
  out.size = entry.width == 0 ? 256 : entry.width;
  out.bitCount = entry.bitCount;
  const int n = out.size;
  size_t at = entry.offset + ico.U32(entry.offset);
  if (entry.bitCount <= 8) {
    for (int i = 0; i < (1 << entry.bitCount); ++i, at += 4)
      out.palette.push_back(qRgb(ico.U8(at + 2), ico.U8(at + 1), ico.U8(at)));
  }
  const size_t colourRow = RowBytes(n, entry.bitCount), maskRow = RowBytes(n, 1);
  const size_t maskStart = at + colourRow * n;
  out.indices.assign(entry.bitCount <= 8 ? n * n : 0, 0);
  out.colours.assign(static_cast<size_t>(n) * n, 0);
  out.transparent.assign(static_cast<size_t>(n) * n, false);
  for (int y = 0; y < n; ++y) {
    const size_t row = at + colourRow * (n - 1 - y);  // bottom-up
    for (int x = 0; x < n; ++x) {
      const int i = out.At(x, y);
      if (entry.bitCount <= 8) {
        out.indices[i] = Packed(ico, row, x, entry.bitCount);
        out.colours[i] = out.palette[out.indices[i]];
      } else {
        const size_t p = row + static_cast<size_t>(x) * (entry.bitCount / 8);
        const int alpha = entry.bitCount == 32 ? ico.U8(p + 3) : 255;
        out.colours[i] = qRgba(ico.U8(p + 2), ico.U8(p + 1), ico.U8(p), alpha);
      }
      out.transparent[i] = Packed(ico, maskStart + maskRow * (n - 1 - y), x, 1) == 1;
    }
  }
  return out;
}

}  // namespace assets_test
