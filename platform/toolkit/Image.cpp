#include "platform/toolkit/Image.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/toolkit/EventDispatch.h"

namespace tk {

Image::Image(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void Image::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void Image::SetFixedSingleBorder(bool border) {
  border_ = border;
  update();
}

QRect Image::InnerArea() const { return border_ ? rect().adjusted(1, 1, -1, -1) : rect(); }

void Image::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!picture_.isNull()) painter.drawPixmap(InnerArea(), picture_);
  if (border_) {
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Dispatch([this] { emit Click(); });
  }
}

}  // namespace tk
