#include "tools/format/BmpFile.h"

#include "tools/format/ByteWriter.h"
#include "tools/format/Dib.h"

namespace fileformat {

std::vector<std::uint8_t> EncodeBmp24(const artwork::Canvas& picture) {
  constexpr std::uint32_t kFileHeaderSize = 14;
  const std::uint32_t rowBytes = DibRowBytes(picture.width(), 24);
  const std::uint32_t pixelBytes = rowBytes * picture.height();
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;

  ByteWriter out;
  out.Text("BM");
  out.U32(offset + pixelBytes);
  out.U16(0);
  out.U16(0);
  out.U32(offset);
  WriteInfoHeader(out, {.width = picture.width(),
                        .height = picture.height(),
                        .bitsPerPixel = 24,
                        .imageBytes = pixelBytes,
                        .pixelsPerMetre = kPixelsPerMetre});
  for (int y = picture.height() - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    for (int x = 0; x < picture.width(); ++x) {
      const artwork::Rgb8 c = artwork::ToRgb8(picture.at(x, y));
      out.U8(c.b);
      out.U8(c.g);
      out.U8(c.r);
    }
    out.PadToFour(rowStart);
  }
  return out.Take();
}

}  // namespace fileformat
