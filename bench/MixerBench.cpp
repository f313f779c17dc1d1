// The mixer's cost on the program's real four-layer mix, rendered in memory in blocks of the
// size the sound card asks for: one hour of it, and one block alone.
//
//   directsound_mixer_bench [--layers=FOLDER] [Google Benchmark options]
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/LayerBenchMain.h"
#include "bench/LayerMix.h"
#include "platform/directsound/SdlOutput.h"

namespace {

constexpr std::size_t kHourFrames = 44100u * 3600u;
constexpr std::size_t kBlockFrames = ds::kSdlBufferFrames;

std::string layerFolder = VELNORIA_LAYER_DIR;

// Renders `frames` in output blocks.
void RenderFrames(ds::MemoryOutput& output, std::vector<float>& block, std::size_t frames) {
  for (std::size_t done = 0; done < frames;) {
    const std::size_t count = std::min(kBlockFrames, frames - done);
    output.Render(block.data(), count);
    benchmark::DoNotOptimize(block.data());
    done += count;
  }
  benchmark::ClobberMemory();
}

// The four layers playing, or nothing once the benchmark is marked as skipped.
std::unique_ptr<bench::LayerMix> StartOrSkip(benchmark::State& state) {
  auto mix = bench::StartFourLayers(layerFolder);
  if (!mix) state.SkipWithError(("cannot load the layers from " + layerFolder).c_str());
  return mix;
}

void HourOfFourLayers(benchmark::State& state) {
  const auto mix = StartOrSkip(state);
  if (!mix) return;
  std::vector<float> block(2 * kBlockFrames);
  for (auto _ : state) RenderFrames(*mix->output, block, kHourFrames);
  state.counters["frames_per_s"] = benchmark::Counter(
      static_cast<double>(kHourFrames), benchmark::Counter::kIsIterationInvariantRate);
}

void OneOutputBlock(benchmark::State& state) {
  const auto mix = StartOrSkip(state);
  if (!mix) return;
  std::vector<float> block(2 * kBlockFrames);
  RenderFrames(*mix->output, block, 4 * kBlockFrames);  // past every start ramp
  for (auto _ : state) RenderFrames(*mix->output, block, kBlockFrames);
  state.counters["frames_per_s"] = benchmark::Counter(
      static_cast<double>(kBlockFrames), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["block_frames"] = static_cast<double>(kBlockFrames);
}

// One thread: CPU time is the time of one core.
BENCHMARK(HourOfFourLayers)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime();
BENCHMARK(OneOutputBlock)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

}  // namespace

int main(int argc, char** argv) { return bench::RunLayerBenchmarks(argc, argv, layerFolder); }
