#pragma once
// Sets the text of the status bar's panel 2, through its panels collection. Window thread.
#include <QString>

namespace statusbar {
class StatusBar;
}

namespace window {
void SetStatusText(statusbar::StatusBar& bar, const QString& text);
}
