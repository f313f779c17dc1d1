#include "platform/toolkit/VScrollBar.h"

#include <cstdlib>

#include "platform/toolkit/EventDispatch.h"

namespace tk {

// Qt's slider always runs from a smaller value at the top to a larger one at the bottom; the
// toolkit value is mapped onto 0..|bottom - top| with the sign of (bottom - top).
VScrollBar::VScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  setTracking(false);
  setCursor(Qt::SizeVerCursor);
  SetRange(top_, bottom_);
  connect(this, &QAbstractSlider::valueChanged, this, &VScrollBar::RaiseChange);
}

void VScrollBar::SetRange(std::int16_t top, std::int16_t bottom) {
  const QSignalBlocker quiet(this);
  top_ = top;
  bottom_ = bottom;
  setRange(0, std::abs(int{bottom} - int{top}));
}

void VScrollBar::SetSteps(std::int16_t smallChange, std::int16_t largeChange) {
  setSingleStep(smallChange);
  setPageStep(largeChange);
}

std::int16_t VScrollBar::Value() const {
  const int direction = bottom_ >= top_ ? 1 : -1;
  return static_cast<std::int16_t>(top_ + direction * value());
}

int VScrollBar::ToSlider(std::int16_t value) const { return std::abs(int{value} - int{top_}); }

void VScrollBar::SetValue(std::int16_t value) {
  const QSignalBlocker quiet(this);
  setValue(ToSlider(value));
}

void VScrollBar::RaiseChange() {
  Dispatch([this] { emit Change(); });
}

}  // namespace tk
