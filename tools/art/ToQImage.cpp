#include "tools/art/ToQImage.h"

namespace artwork {

QImage ToQImage(const Canvas& drawing) {
  QImage image(drawing.width(), drawing.height(), QImage::Format_ARGB32);
  for (int y = 0; y < drawing.height(); ++y) {
    for (int x = 0; x < drawing.width(); ++x) {
      const Rgb8 c = ToRgb8(drawing.at(x, y));
      image.setPixel(x, y, qRgba(c.r, c.g, c.b, ToAlpha8(drawing.at(x, y))));
    }
  }
  return image;
}

}  // namespace artwork
