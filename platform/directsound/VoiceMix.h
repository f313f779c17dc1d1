#pragma once
// Mixes one voice into a block of output. Mixer thread only: no allocation, lock or system call.
#include <cstddef>

#include "platform/directsound/Voice.h"

namespace ds {

// Applies the voice's waiting requests, adds `frames` interleaved stereo frames of it to `out`
// and tells whether it still sounds afterwards (playing, or a fade-out not yet done).
bool MixVoice(Voice& voice, float* out, std::size_t frames);

}  // namespace ds
