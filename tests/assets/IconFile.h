#pragma once
// A reader of Windows icon files, just enough to check what the embedded icons hold.
#include <QRgb>
#include <cstdint>
#include <span>
#include <vector>

namespace assets_test {

struct IconEntry {
  int width = 0;  // as stored: 0 means 256
  int height = 0;
  int colourCount = 0;
  int reserved = 0;
  int planes = 0;
  int bitCount = 0;
  std::uint32_t bytes = 0;
  std::uint32_t offset = 0;
};

struct IconHeader {
  int reserved = 0;
  int type = 0;
  std::vector<IconEntry> entries;
};

IconHeader ReadIconHeader(std::span<const unsigned char> file);

// One image decoded from its DIB, rows top first.
struct IconPixels {
  int size = 0;
  int bitCount = 0;
  std::vector<QRgb> palette;      // at 8 bits and below
  std::vector<int> indices;       // at 8 bits and below
  std::vector<QRgb> colours;      // each pixel; alpha only meaningful at 32 bits
  std::vector<bool> transparent;  // the AND mask

  int At(int x, int y) const { return y * size + x; }
};

// Decodes the DIB that `entry` points at; the entry's own fields are trusted for its size.
IconPixels ReadIconPixels(std::span<const unsigned char> file, const IconEntry& entry);

}  // namespace assets_test
