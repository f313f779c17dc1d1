#include "window/EmbeddedPictures.h"

#include <cstring>

#include "assets/PixelsFormat.h"

namespace window {

std::vector<QImage> ImagesFromPixels(std::span<const unsigned char> pixels) {
  std::vector<QImage> images;
  std::size_t at = 0;
  assets::PixelsHeader header;
  while (pixels.size() - at >= sizeof header) {
    std::memcpy(&header, pixels.data() + at, sizeof header);
    at += sizeof header;
    const std::size_t bytes = std::size_t{header.width} * header.height * 4;
    if (pixels.size() - at < bytes) break;
    images.emplace_back(pixels.data() + at, static_cast<int>(header.width),
                        static_cast<int>(header.height), static_cast<qsizetype>(header.width) * 4,
                        header.alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    at += bytes;
  }
  return images;
}

QIcon IconFromPixels(std::span<const unsigned char> pixels) {
  QIcon icon;
  for (const QImage& image : ImagesFromPixels(pixels)) icon.addPixmap(QPixmap::fromImage(image));
  return icon;
}

QPixmap PictureFromPixels(std::span<const unsigned char> pixels) {
  const std::vector<QImage> images = ImagesFromPixels(pixels);
  return images.empty() ? QPixmap() : QPixmap::fromImage(images.front());
}

}  // namespace window
