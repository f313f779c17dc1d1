#pragma once
// Files decoded ahead: a program that knows which files it will make buffers of starts them
// early, each on a thread of its own, and the buffers are made from what those threads read.
// A buffer made from a prefetched path holds the file as it was when the prefetch read it.
#include <string>

#include "platform/directsound/DirectSoundTypes.h"
#include "platform/directsound/WaveDecode.h"

namespace ds {

// Starts reading and decoding `path` now; a path already being prefetched is left as it is.
// Any thread.
void PrefetchWaveFile(const std::string& path);

// Hands over the prefetch of `path`, waiting for it to finish: its status and its wave. False
// when no prefetch of `path` is waiting (never started, or already handed over). Any thread.
bool TakePrefetchedWave(const std::string& path, HRESULT& status, DecodedWave& wave);

}  // namespace ds
