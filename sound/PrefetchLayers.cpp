#include "sound/PrefetchLayers.h"

#include "platform/directsound/WavePrefetch.h"
#include "platform/toolkit/Runtime.h"
#include "sound/SoundLayer.h"

namespace sound {

void PrefetchLayerFiles() {
  const auto folder = tk::AppPathIfFound();
  if (!folder) return;
  // The same paths LoadWave asks for, so each of its loads finds its own prefetch.
  for (const char* file : kLayerFiles) ds::PrefetchWaveFile(*folder + file);
}

}  // namespace sound
