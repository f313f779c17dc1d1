#include "bench/LayerMix.h"

namespace bench {
namespace {

struct LayerPlan {
  bool beat;
  std::int32_t pan;
};

// In the order of kLayerFiles.
constexpr std::array<LayerPlan, kLayerFiles.size()> kPlans{{{true, ds::DSBPAN_LEFT},
                                                             {true, ds::DSBPAN_RIGHT},
                                                             {false, ds::DSBPAN_CENTER},
                                                             {false, ds::DSBPAN_CENTER}}};

}  // namespace

std::unique_ptr<LayerMix> StartFourLayers(const std::string& folder) {
  auto mix = std::make_unique<LayerMix>();
  mix->root = ds::MakeDirectX7([&mix] {
    auto output = std::make_unique<ds::MemoryOutput>();
    mix->output = output.get();
    return output;
  });
  if (ds::Failed(mix->root->DirectSoundCreate("", mix->device))) return nullptr;
  for (std::size_t i = 0; i < kPlans.size(); ++i) {
    const LayerPlan& plan = kPlans[i];
    ds::DSBUFFERDESC desc;
    desc.dwFlags = ds::DSBCAPS_STATIC | ds::DSBCAPS_CTRLFREQUENCY | ds::DSBCAPS_CTRLPAN |
                   ds::DSBCAPS_CTRLVOLUME;
    ds::WAVEFORMATEX format;
    std::shared_ptr<ds::DirectSoundBuffer> layer;
    if (ds::Failed(mix->device->CreateSoundBufferFromFile(folder + kLayerFiles[i], desc, format, layer))) {
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
