#pragma once
// The desktop's font configuration is read the first time a control needs a font (~3 ms of
// parsing); starting it early lets that happen while the toolkit itself starts.

namespace tk {

// Reads the font configuration on a thread of its own; the toolkit then finds it ready, or
// waits for what is left. Main thread, before the toolkit starts.
void StartFontSetUp();

}  // namespace tk
