#pragma once
// The four layer files start decoding while the window is still being made;
// the load event then makes its buffers from them (see ds::PrefetchWaveFile).

namespace sound {

// Starts all four, each on a thread of its own. Does nothing where the program's folder cannot
// be found: the load event reports that itself. Main thread, before the window is made.
void PrefetchLayerFiles();

}  // namespace sound
