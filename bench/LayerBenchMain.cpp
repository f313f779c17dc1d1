#include "bench/LayerBenchMain.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace bench {

int RunLayerBenchmarks(int argc, char** argv, std::string& layerFolder) {
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--layers=", 9) == 0) {
      layerFolder = argv[i] + 9;
    } else {
      rest.push_back(argv[i]);
    }
  }
  int count = static_cast<int>(rest.size());
  benchmark::Initialize(&count, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench
