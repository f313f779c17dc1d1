#include "platform/toolkit/CheckBox.h"

#include "platform/toolkit/EventDispatch.h"

namespace tk {

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
  connect(this, &QAbstractButton::clicked, this, &CheckBox::RaiseClick);
}

std::int16_t CheckBox::Value() const {
  switch (checkState()) {
    case Qt::Checked: return vbChecked;
    case Qt::PartiallyChecked: return vbGrayed;
    default: return vbUnchecked;
  }
}

void CheckBox::SetValue(std::int16_t value) {
  const QSignalBlocker quiet(this);
  if (value == vbGrayed) {
    setTristate(true);
    setCheckState(Qt::PartiallyChecked);
  } else {
    setCheckState(value == vbChecked ? Qt::Checked : Qt::Unchecked);
  }
}

void CheckBox::nextCheckState() {
  setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void CheckBox::RaiseClick() {
  Dispatch([this] { emit Click(); });
}

}  // namespace tk
