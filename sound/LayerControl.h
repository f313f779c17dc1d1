#pragma once
// Layer operations shared by several procedures. A failing call raises tk::RuntimeError.
#include <array>
#include <memory>

#include "platform/directsound/DirectSound.h"

namespace sound {

using Layers = std::array<std::shared_ptr<ds::DirectSoundBuffer>, 4>;

// When BeatLeft or BeatRight holds a buffer: Stop, then rewind to 0, each layer in index order.
// Window thread.
void StopAndRewindAll(const Layers& layers);

// Starts `layer` looping from where it stands, then centres it. Window thread.
void PlayCentred(ds::DirectSoundBuffer& layer);

}  // namespace sound
