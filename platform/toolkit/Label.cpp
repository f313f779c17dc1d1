#include "platform/toolkit/Label.h"

#include <QMouseEvent>

#include "platform/toolkit/EventDispatch.h"

namespace tk {

Label::Label(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::NoFocus);
  // Labels show "&" as a character, and the default button-face back colour.
  SetBackColor(palette().color(QPalette::Button));
}

void Label::SetFixedSingleBorder(bool border) {
  setFrameStyle(border ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
  setLineWidth(1);
}

void Label::SetBackColor(std::optional<QColor> color) {
  setAutoFillBackground(color.has_value());
  if (color) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, *color);
    setPalette(palette);
  }
}

void Label::SetForeColor(const QColor& color) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, color);
  setPalette(palette);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    Dispatch([this] { emit Click(); });
  }
}

}  // namespace tk
