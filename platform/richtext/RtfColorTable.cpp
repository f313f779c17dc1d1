#include "platform/richtext/RtfColorTable.h"

#include <algorithm>

namespace richtext {

void RtfColorTable::SetComponent(Component component, int value) {
  const int clamped = std::clamp(value, 0, 255);
  switch (component) {
    case Component::Red: red_ = clamped; break;
    case Component::Green: green_ = clamped; break;
    case Component::Blue: blue_ = clamped; break;
  }
  anyComponent_ = true;
}

void RtfColorTable::EndEntry() {
  entries_.push_back(anyComponent_ ? QColor(red_, green_, blue_) : QColor());
  red_ = green_ = blue_ = 0;
  anyComponent_ = false;
}

QColor RtfColorTable::At(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return {};
  return entries_[static_cast<std::size_t>(index)];
}

}  // namespace richtext
