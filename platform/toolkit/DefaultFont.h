#pragma once
// The toolkit's default font for every control that stores none. The layout was drawn for a
// small 8-point sans serif; Liberation Sans (metric-compatible with Arial) at 10 pixels keeps
// every stored caption readable whole at its stored size.
#include <QFont>

namespace tk {
// Window thread.
QFont DefaultFont();
}  // namespace tk
