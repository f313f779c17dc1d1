#include "platform/toolkit/FontSetUp.h"

#include <fontconfig/fontconfig.h>

#include <thread>

namespace tk {

void StartFontSetUp() {
  // FcInit is safe beside the toolkit's own call: fontconfig keeps whichever configuration
  // was made first. Detached: it ends within milliseconds, or with the process.
  std::thread([] { FcInit(); }).detach();
}

}  // namespace tk
