#include "sound/LayerControl.h"

#include "platform/toolkit/RuntimeError.h"
#include "sound/SoundLayer.h"

namespace sound {

void StopAndRewindAll(const Layers& layers) {
  if (!layers[BeatLeft] && !layers[BeatRight]) return;
  for (const auto& layer : layers) {
    tk::Check(layer->Stop());
    tk::Check(layer->SetCurrentPosition(0));
  }
}

void PlayCentred(ds::DirectSoundBuffer& layer) {
  tk::Check(layer.Play(ds::DSBPLAY_LOOPING));
  tk::Check(layer.SetPan(ds::DSBPAN_CENTER));
}

}  // namespace sound
