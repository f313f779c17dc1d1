// Loading the program's four real layer files through the device's public path: a device on
// an in-memory output, then a buffer made from each file and started, as at start-up.
//
// Between iterations, untimed, the buffers go and freed memory is handed back to the system
// (malloc_trim), so each load faults its pages in afresh as a new process would. What stays
// warm is the rest of the process (libraries, the allocator's bookkeeping) and, with
// files_evicted:0, the files in the page cache; files_evicted:1 asks the kernel to drop just
// these four files' cached pages first (posix_fadvise), so reading them may go to the disk.
//
//   directsound_load_bench [--layers=FOLDER] [Google Benchmark options]
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <string>

#include "bench/LayerBenchMain.h"
#include "bench/LayerMix.h"

namespace {

std::string layerFolder = VELNORIA_LAYER_DIR;

// Drops the kernel's cached pages of `path`; they are clean, so nothing is lost.
void EvictFromPageCache(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
  ::close(fd);
}

void FourLayers(benchmark::State& state) {
  const bool evict = state.range(0) != 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (evict) {
      for (const char* file : bench::kLayerFiles) EvictFromPageCache(layerFolder + file);
    }
    ::malloc_trim(0);
    state.ResumeTiming();

    std::unique_ptr<bench::LayerMix> mix = bench::StartFourLayers(layerFolder);

    state.PauseTiming();
    if (!mix) {
      state.SkipWithError(("cannot load the layers from " + layerFolder).c_str());
      break;
    }
    mix.reset();
    state.ResumeTiming();
  }
}

BENCHMARK(FourLayers)
    ->ArgName("files_evicted")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace

int main(int argc, char** argv) { return bench::RunLayerBenchmarks(argc, argv, layerFolder); }
