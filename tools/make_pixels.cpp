// Decodes every image of a picture or icon file the way the window did at start-up (Qt's
// image readers, then the format a pixmap keeps) and writes the pixels (assets/PixelsFormat.h).
//   make_pixels INPUT OUTPUT.pixels
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstring>
#include <vector>

#include "assets/PixelsFormat.h"
#include "tools/format/WriteFile.h"

namespace {

void Append(std::vector<std::uint8_t>& out, const void* bytes, std::size_t size) {
  const auto* begin = static_cast<const std::uint8_t*>(bytes);
  out.insert(out.end(), begin, begin + size);
}

void AppendImage(std::vector<std::uint8_t>& out, const QImage& decoded) {
  const bool alpha = decoded.hasAlphaChannel();
  const QImage image =
      decoded.convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  const assets::PixelsHeader header{static_cast<std::uint32_t>(image.width()),
                                    static_cast<std::uint32_t>(image.height()), alpha ? 1u : 0u};
  Append(out, &header, sizeof header);
  for (int y = 0; y < image.height(); ++y) Append(out, image.constScanLine(y), image.width() * 4u);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_pixels INPUT OUTPUT.pixels\n");
    return 2;
  }
  QCoreApplication application(argc, argv);
  QImageReader reader(QString::fromLocal8Bit(argv[1]));
  std::vector<std::uint8_t> out;
  // A BMP or GIF is one picture (its reader may count none); an icon file is every image in it.
  if (reader.imageCount() <= 1) {
    const QImage image = reader.read();
    if (!image.isNull()) AppendImage(out, image);
  }
  for (int i = 0; reader.imageCount() > 1 && i < reader.imageCount(); ++i) {
    if (!reader.jumpToImage(i)) break;
    const QImage image = reader.read();
    if (!image.isNull()) AppendImage(out, image);
  }
  if (out.empty()) {
    std::fprintf(stderr, "make_pixels: no image in %s\n", argv[1]);
    return 1;
  }
  return fileformat::WriteOutput("make_pixels", argv[2], out);
}
