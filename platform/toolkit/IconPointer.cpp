#include "platform/toolkit/IconPointer.h"

#include <QPainter>
#include <QPixmap>

namespace tk {

QCursor IconPointer() {
  QPixmap shape(32, 32);
  shape.fill(Qt::transparent);
  {
    QPainter painter(&shape);
    // A white halo under black strokes keeps the pointer visible on any background.
    for (const auto& [color, width] : {std::pair{QColor(Qt::white), 3}, std::pair{QColor(Qt::black), 1}}) {
      painter.setPen(QPen(color, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      painter.drawRect(8, 8, 15, 15);
      painter.drawRect(13, 13, 5, 5);
    }
  }
  return QCursor(shape, 15, 15);
}

}  // namespace tk
