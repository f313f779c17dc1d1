// The mixer's cost: one hour of the program's four-layer mix (two beats panned hard left and
// right at a reduced volume, a centred mask and a centred stereo music layer) rendered through
// MemoryOutput in blocks of the size the sound card asks for.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/BenchWave.h"
#include "platform/directsound/DirectSound.h"
#include "platform/directsound/MemoryOutput.h"
#include "platform/directsound/SdlOutput.h"

namespace {

constexpr std::size_t kHourFrames = 44100u * 3600u;

void FourLayersForAnHour(benchmark::State& state) {
  ds::MemoryOutput* output = nullptr;
  auto root = ds::MakeDirectX7([&output] {
    auto made = std::make_unique<ds::MemoryOutput>();
    output = made.get();
    return made;
  });
  std::shared_ptr<ds::DirectSound> device;
  root->DirectSoundCreate("", device);
  struct LayerPlan { const char* name; int channels; double seconds; double hertz; int pan; };
  const LayerPlan plans[] = {{"beat-left.wav", 1, 10.0, 200.0, -10000},
                             {"beat-right.wav", 1, 10.0, 207.83, 10000},
                             {"mask.wav", 1, 30.0, 90.0, 0},
                             {"music.wav", 2, 60.0, 440.0, 0}};
  std::vector<std::shared_ptr<ds::DirectSoundBuffer>> layers;
  for (const LayerPlan& plan : plans) {
    ds::DSBUFFERDESC desc;
    desc.dwFlags = 0xE2;
    ds::WAVEFORMATEX format;
    std::shared_ptr<ds::DirectSoundBuffer> layer;
    const std::string path =
        dsbench::WriteToneFile(plan.name, plan.channels, plan.seconds, plan.hertz);
    if (ds::Failed(device->CreateSoundBufferFromFile(path, desc, format, layer))) {
      state.SkipWithError("cannot load a layer");
      return;
    }
    if (plan.pan != 0) layer->SetVolume(-600);
    layer->SetPan(plan.pan);
    layer->Play(ds::DSBPLAY_LOOPING);
    layers.push_back(layer);
  }
  std::vector<float> block(2 * ds::kSdlBufferFrames);
  for (auto _ : state) {
    for (std::size_t done = 0; done < kHourFrames;) {
      const std::size_t frames = std::min<std::size_t>(ds::kSdlBufferFrames, kHourFrames - done);
      output->Render(block.data(), frames);
      done += frames;
      benchmark::DoNotOptimize(block.data());
    }
    benchmark::ClobberMemory();
  }
  state.counters["frames/s"] = benchmark::Counter(
      static_cast<double>(kHourFrames), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(FourLayersForAnHour)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
