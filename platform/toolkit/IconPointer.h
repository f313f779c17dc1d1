#pragma once
// The toolkit's icon pointer (a small square within a square). Qt has no such shape, so it is
// drawn here.
#include <QCursor>

namespace tk {
// Window thread.
QCursor IconPointer();
}  // namespace tk
