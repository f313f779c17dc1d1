#include "platform/toolkit/Line.h"

#include <QPainter>
#include <algorithm>

namespace tk {

Line::Line(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void Line::SetEnds(QPoint from, QPoint to) {
  const QPoint topLeft(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
  const QPoint bottomRight(std::max(from.x(), to.x()), std::max(from.y(), to.y()));
  setGeometry(QRect(topLeft, bottomRight));
}

void Line::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawLine(rect().topLeft(), rect().bottomRight());
}

}  // namespace tk
