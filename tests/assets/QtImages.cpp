#include "tests/assets/QtImages.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace assets_test {

namespace {

QByteArray Bytes(std::span<const unsigned char> file) {
  return QByteArray(reinterpret_cast<const char*>(file.data()),
                    static_cast<qsizetype>(file.size()));
}

}  // namespace

QImage Decode(std::span<const unsigned char> file, int index) {
  QByteArray bytes = Bytes(file);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  if (index > 0 && !reader.jumpToImage(index)) return {};
  return reader.read().convertToFormat(QImage::Format_ARGB32);
}

int ImageCount(std::span<const unsigned char> file) {
  QByteArray bytes = Bytes(file);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  return QImageReader(&buffer).imageCount();
}

}  // namespace assets_test
