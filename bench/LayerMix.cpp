#include "bench/LayerMix.h"

namespace bench {
namespace {

struct LayerPlan {
  const char* file;
  bool beat;
  std::int32_t pan;
};

constexpr LayerPlan kPlans[] = {{"/tester1.wav", true, ds::DSBPAN_LEFT},
                                {"/tester2.wav", true, ds::DSBPAN_RIGHT},
                                {"/tester3.wav", false, ds::DSBPAN_CENTER},
                                {"/ms1.wav", false, ds::DSBPAN_CENTER}};

}  // namespace

std::unique_ptr<LayerMix> StartFourLayers(const std::string& folder) {
  auto mix = std::make_unique<LayerMix>();
  mix->root = ds::MakeDirectX7([&mix] {
    auto output = std::make_unique<ds::MemoryOutput>();
    mix->output = output.get();
    return output;
  });
  if (ds::Failed(mix->root->DirectSoundCreate("", mix->device))) return nullptr;
  for (const LayerPlan& plan : kPlans) {
    ds::DSBUFFERDESC desc;
    desc.dwFlags = ds::DSBCAPS_STATIC | ds::DSBCAPS_CTRLFREQUENCY | ds::DSBCAPS_CTRLPAN |
                   ds::DSBCAPS_CTRLVOLUME;
    ds::WAVEFORMATEX format;
    std::shared_ptr<ds::DirectSoundBuffer> layer;
    if (ds::Failed(mix->device->CreateSoundBufferFromFile(folder + plan.file, desc, format, layer))) {
      return nullptr;
    }
    if (plan.beat) layer->SetVolume(kBeatsVolume);
    layer->SetPan(plan.pan);
    layer->Play(ds::DSBPLAY_LOOPING);
    mix->layers.push_back(std::move(layer));
  }
  return mix;
}

}  // namespace bench
