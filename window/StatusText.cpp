#include "window/StatusText.h"

#include "platform/statusbar/StatusBar.h"

namespace window {

void SetStatusText(statusbar::StatusBar& bar, const QString& text) {
  constexpr std::int16_t kStatePanel = 2;
  bar.GetPanels().Item(kStatePanel).SetText(text);
}

}  // namespace window
