#pragma once
// The program's four-layer mix on a device that renders into memory: both beats at the
// slider's starting volume panned hard left and right, the mask and the music centred at full
// volume, all looping, read from the real layer files.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/directsound/DirectSound.h"
#include "platform/directsound/MemoryOutput.h"

namespace bench {

inline constexpr std::int32_t kBeatsVolume = -3500;

// The four layer files, each to be appended to the folder they are in.
inline constexpr std::array<const char*, 4> kLayerFiles{"/tester1.wav", "/tester2.wav",
                                                        "/tester3.wav", "/ms1.wav"};

struct LayerMix {
  std::shared_ptr<ds::DirectX7> root;
  std::shared_ptr<ds::DirectSound> device;
  std::vector<std::shared_ptr<ds::DirectSoundBuffer>> layers;
  ds::MemoryOutput* output = nullptr;  // owned by the device
};

// Loads the four files from `folder` and starts them all. Empty on any failure. Caller's thread.
std::unique_ptr<LayerMix> StartFourLayers(const std::string& folder);

}  // namespace bench
