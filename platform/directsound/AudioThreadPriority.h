#pragma once
// Puts SDL's audio thread of this process on real-time round-robin scheduling where the
// system allows it, so other busy processes cannot starve the output. Where it does not
// allow it, the thread keeps the priority SDL gave it. Control thread, after opening a device.
namespace ds {
void RaiseAudioThreadPriority();
}
