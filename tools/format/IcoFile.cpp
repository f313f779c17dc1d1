#include "tools/format/IcoFile.h"

#include "tools/format/ByteWriter.h"
#include "tools/format/Dib.h"

namespace fileformat {

namespace {

std::uint32_t ColourBytes(const IconImage& image) {
  return DibRowBytes(image.size, image.bitsPerPixel) * image.size;
}

std::uint32_t MaskBytes(const IconImage& image) { return DibRowBytes(image.size, 1) * image.size; }

std::uint32_t ImageBytes(const IconImage& image) {
  return kInfoHeaderSize + 4 * static_cast<std::uint32_t>(image.palette.size()) +
         ColourBytes(image) + MaskBytes(image);
}

// Rows of `bits`-bit values, bottom row first, most significant bits leftmost.
template <typename ValueOf>
void WritePackedRows(ByteWriter& out, int size, int bits, ValueOf valueOf) {
  for (int y = size - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    unsigned acc = 0;
    int filled = 0;
    for (int x = 0; x < size; ++x) {
      acc = (acc << bits) | valueOf(y * size + x);
      filled += bits;
      if (filled == 8) {
        out.U8(static_cast<std::uint8_t>(acc));
        acc = 0;
        filled = 0;
      }
    }
    if (filled > 0) out.U8(static_cast<std::uint8_t>(acc << (8 - filled)));
    out.PadToFour(rowStart);
  }
}

void WriteTrueColourRows(ByteWriter& out, const IconImage& image) {
  for (int y = image.size - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    for (int x = 0; x < image.size; ++x) {
      const size_t i = static_cast<size_t>(y) * image.size + x;
      out.U8(image.colours[i].b);
      out.U8(image.colours[i].g);
      out.U8(image.colours[i].r);
      if (image.bitsPerPixel == 32) out.U8(image.alpha[i]);
    }
    out.PadToFour(rowStart);
  }
}

void WriteImage(ByteWriter& out, const IconImage& image) {
  WriteInfoHeader(out, {.width = image.size,
                        .height = 2 * image.size,  // colour rows, then mask rows
                        .bitsPerPixel = static_cast<std::uint16_t>(image.bitsPerPixel),
                        .imageBytes = ColourBytes(image) + MaskBytes(image)});
  for (const artwork::Rgb8& c : image.palette) {
    out.U8(c.b);
    out.U8(c.g);
    out.U8(c.r);
    out.U8(0);
  }
  if (image.bitsPerPixel <= 8)
    WritePackedRows(out, image.size, image.bitsPerPixel,
                    [&](size_t i) { return image.indices[i]; });
  else
    WriteTrueColourRows(out, image);
  WritePackedRows(out, image.size, 1, [&](size_t i) { return image.transparent[i] ? 1u : 0u; });
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(std::span<const IconImage> images) {
  constexpr std::uint32_t kHeaderBytes = 6, kEntryBytes = 16;
  ByteWriter out;
  out.U16(0);
  out.U16(1);  // icon, not cursor
  out.U16(static_cast<std::uint16_t>(images.size()));
  std::uint32_t offset = kHeaderBytes + kEntryBytes * static_cast<std::uint32_t>(images.size());
  for (const IconImage& image : images) {
    const auto side = static_cast<std::uint8_t>(image.size >= 256 ? 0 : image.size);
    out.U8(side);
    out.U8(side);
    out.U8(static_cast<std::uint8_t>(image.bitsPerPixel < 8 ? 1 << image.bitsPerPixel : 0));
    out.U8(0);
    out.U16(1);
    out.U16(static_cast<std::uint16_t>(image.bitsPerPixel));
    out.U32(ImageBytes(image));
    out.U32(offset);
    offset += ImageBytes(image);
  }
  for (const IconImage& image : images) WriteImage(out, image);
  return out.Take();
}

}  // namespace fileformat
