#include "platform/toolkit/Form.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "platform/toolkit/DefaultFont.h"
#include "platform/toolkit/EventDispatch.h"

namespace tk {

Form::Form(int clientWidth, int clientHeight) {
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(clientWidth, clientHeight);
  setFont(DefaultFont());
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void Form::Start() {
  Dispatch([this] { emit Load(); });
  CentreOnScreen();
  show();
}

std::int32_t Form::hWnd() { return static_cast<std::int32_t>(winId()); }

void Form::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void Form::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void Form::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

}  // namespace tk
