#include "platform/statusbar/StatusBar.h"

#include <QApplication>

#include "platform/toolkit/RuntimeError.h"

namespace statusbar {
namespace {
// The run-time error the bar raises for an index with no panel.
constexpr std::int32_t kIndexOutOfBounds = 35600;
constexpr int kPanelGap = 2;
}  // namespace

Panel::Panel(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setTextFormat(Qt::PlainText);
  setIndent(3);
}

Panel& Panels::Item(std::int16_t index) const {
  if (index < 1 || index > Count()) throw tk::RuntimeError(kIndexOutOfBounds, "Index out of bounds");
  return *panels_[static_cast<std::size_t>(index - 1)];
}

StatusBar::StatusBar(QWidget* parent) : QFrame(parent) {
  setFocusPolicy(Qt::NoFocus);
  // The bar keeps the desktop's own face colour, whatever its window is painted with.
  QPalette face = palette();
  face.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
  setPalette(face);
  setAutoFillBackground(true);
}

statusbar::Panel& StatusBar::AddPanel(int width, bool alignRight) {
  auto* panel = new statusbar::Panel(this);
  panel->setAlignment((alignRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  panel->setGeometry(nextLeft_, kPanelGap, width, height() - kPanelGap);
  nextLeft_ += width + kPanelGap;
  panels_.Add(panel);
  return *panel;
}

void StatusBar::DockBottom(int height) {
  const QWidget* window = parentWidget();
  setGeometry(0, window->height() - height, window->width(), height);
}

}  // namespace statusbar
