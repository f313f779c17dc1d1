#include <algorithm>
#include <cmath>

#include "platform/directsound/DirectSoundTypes.h"
#include "platform/directsound/MixRules.h"

namespace ds {

float GainFromHundredthsDb(std::int32_t level) {
  if (level <= DSBVOLUME_MIN) return 0.0f;
  return static_cast<float>(std::pow(10.0, static_cast<double>(level) / 2000.0));
}

ChannelGains GainsFor(std::int32_t volume, std::int32_t pan) {
  return ChannelGains{GainFromHundredthsDb(volume + std::min(0, -pan)),
                      GainFromHundredthsDb(volume + std::min(0, pan))};
}

}  // namespace ds
