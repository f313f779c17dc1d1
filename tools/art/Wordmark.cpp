#include "tools/art/Wordmark.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace artwork {

namespace {

// Drawn large, then averaged down, so the small letters keep crisp, even strokes.
constexpr int kNameSize = 240;
constexpr double kEndingScale = 0.46;
// The ending hangs a little below the name's baseline, as in a signature.
constexpr double kEndingDrop = 0.10;

QImage DrawLarge(const QString& family) {
  QFont name(family);
  name.setPixelSize(kNameSize);
  name.setBold(true);
  QFont ending(family);
  ending.setPixelSize(static_cast<int>(kNameSize * kEndingScale));
  ending.setBold(true);
  const QString nameText = QStringLiteral("Velnoria");
  const QString endingText = QStringLiteral(".example");
  const double nameWidth = QFontMetricsF(name).horizontalAdvance(nameText);

  QImage image(static_cast<int>(nameWidth * 2), kNameSize * 2, QImage::Format_Alpha8);
  image.fill(0);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setRenderHint(QPainter::Antialiasing);
  const double baseline = kNameSize * 1.2;
  painter.setFont(name);
  painter.drawText(QPointF(kNameSize * 0.1, baseline), nameText);
  painter.setFont(ending);
  painter.drawText(
      QPointF(kNameSize * 0.1 + nameWidth + kNameSize * 0.03, baseline + kNameSize * kEndingDrop),
      endingText);
  return image;
}

PixelRect InkBox(const QImage& image) {
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* row = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      if (row[x] == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

// Mean ink of the large pixels whose centres fall in target pixel (x, y) of `box`.
double CoverageAt(const QImage& large, const PixelRect& ink, const PixelRect& box, int x, int y) {
  const double sx = double(ink.width) / box.width, sy = double(ink.height) / box.height;
  const int x0 = ink.left + static_cast<int>(x * sx),
            x1 = ink.left + static_cast<int>((x + 1) * sx);
  const int y0 = ink.top + static_cast<int>(y * sy), y1 = ink.top + static_cast<int>((y + 1) * sy);
  double sum = 0;
  for (int ly = y0; ly < y1; ++ly) {
    const uchar* row = large.constScanLine(ly);
    for (int lx = x0; lx < x1; ++lx) sum += row[lx];
  }
  return sum / (255.0 * (x1 - x0) * (y1 - y0));
}

}  // namespace

std::optional<Canvas> DrawWordmark(const QString& fontFile, int width, int height, PixelRect box) {
  const int id = QFontDatabase::addApplicationFont(fontFile);
  if (id < 0 || QFontDatabase::applicationFontFamilies(id).isEmpty()) return std::nullopt;
  const QImage large = DrawLarge(QFontDatabase::applicationFontFamilies(id).front());
  const PixelRect ink = InkBox(large);
  Canvas layer(width, height);
  for (int y = 0; y < box.height; ++y) {
    for (int x = 0; x < box.width; ++x) {
      const double cover = std::min(1.0, CoverageAt(large, ink, box, x, y));
      layer.at(box.left + x, box.top + y) =
          FromRgb(kWordmarkColour.r, kWordmarkColour.g, kWordmarkColour.b, cover);
    }
  }
  return layer;
}

}  // namespace artwork
