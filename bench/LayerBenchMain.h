#pragma once
// The main of a benchmark over the real layer files: takes --layers=FOLDER out of the
// arguments, then hands the rest to Google Benchmark.
#include <string>

namespace bench {

// Sets `layerFolder` from --layers=FOLDER when given, runs the registered benchmarks and
// returns the process's exit code. Main thread.
int RunLayerBenchmarks(int argc, char** argv, std::string& layerFolder);

}  // namespace bench
