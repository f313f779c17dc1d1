#include "platform/toolkit/CommandButton.h"

#include "platform/toolkit/EventDispatch.h"

namespace tk {

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, &CommandButton::RaiseClick);
}

void CommandButton::RaiseClick() {
  Dispatch([this] { emit Click(); });
}

}  // namespace tk
