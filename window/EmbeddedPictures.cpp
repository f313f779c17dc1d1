#include "window/EmbeddedPictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace window {
namespace {
QByteArray Wrap(std::span<const unsigned char> bytes) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()));
}
}  // namespace

QIcon IconFromIco(std::span<const unsigned char> ico) {
  QByteArray data = Wrap(ico);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "ico");
  QIcon icon;
  for (int i = 0; i < reader.imageCount(); ++i) {
    if (!reader.jumpToImage(i)) break;
    const QImage image = reader.read();
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

QPixmap PictureFrom(std::span<const unsigned char> bytes, const char* format) {
  QPixmap picture;
  picture.loadFromData(Wrap(bytes), format);
  return picture;
}

}  // namespace window
