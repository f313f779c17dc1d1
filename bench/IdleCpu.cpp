// On the real sound server: the CPU this process uses while a layer plays and while every
// layer is stopped (output paused), and how long Play takes to be heard from a paused output.
// Needs a running sound server; prints its findings.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/BenchWave.h"
#include "platform/directsound/DeviceCore.h"
#include "platform/directsound/DirectSound.h"

namespace {

using Clock = std::chrono::steady_clock;

// User plus system CPU seconds of this process so far.
double CpuSeconds() {
  std::ifstream stat("/proc/self/stat");
  std::string content((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  std::istringstream fields(content.substr(content.rfind(')') + 2));
  std::string field;
  unsigned long long user = 0;
  unsigned long long system = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) user = std::stoull(field);
    if (i == 15) system = std::stoull(field);
  }
  return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double CpuPercentOver(std::chrono::seconds span) {
  const double before = CpuSeconds();
  std::this_thread::sleep_for(span);
  return 100.0 * (CpuSeconds() - before) / static_cast<double>(span.count());
}

// From Play until the mixer has moved the position: the output really runs again.
double StartLatencyMs(ds::DirectSoundBuffer& buffer) {
  std::int32_t start = 0;
  buffer.GetCurrentPosition(start);
  const auto began = Clock::now();
  buffer.Play(ds::DSBPLAY_LOOPING);
  std::int32_t now = start;
  while (now == start) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
    buffer.GetCurrentPosition(now);
  }
  return std::chrono::duration<double, std::milli>(Clock::now() - began).count();
}

// Start latencies of `rounds` Plays, each after a stop of `gap`.
std::string Latencies(ds::DirectSoundBuffer& layer, int rounds, std::chrono::milliseconds gap) {
  std::vector<double> latencies;
  for (int i = 0; i < rounds; ++i) {
    latencies.push_back(StartLatencyMs(layer));
    layer.Stop();
    std::this_thread::sleep_for(gap);
  }
  std::sort(latencies.begin(), latencies.end());
  char text[96];
  std::snprintf(text, sizeof text, "median %.1f ms, max %.1f ms", latencies[latencies.size() / 2],
                latencies.back());
  return text;
}

}  // namespace

int main() {
  auto root = ds::MakeDirectX7();
  std::shared_ptr<ds::DirectSound> device;
  if (ds::Failed(root->DirectSoundCreate("", device))) {
    std::puts("no sound output");
    return 1;
  }
  ds::DSBUFFERDESC desc;
  desc.dwFlags = 0xE2;
  ds::WAVEFORMATEX format;
  std::shared_ptr<ds::DirectSoundBuffer> layer;
  if (ds::Failed(device->CreateSoundBufferFromFile(dsbench::WriteToneFile("idle.wav", 1, 2, 440),
                                                   desc, format, layer))) {
    std::puts("cannot load the layer");
    return 1;
  }
  layer->SetVolume(-3000);
  layer->Play(ds::DSBPLAY_LOOPING);
  std::printf("CPU while playing one layer, over 10 s: %.3f %%\n",
              CpuPercentOver(std::chrono::seconds(10)));
  layer->Stop();
  // The output is paused once the idle thread sees silence (within a quarter second) and
  // released kReleaseAfter later.
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  std::printf("CPU stopped, output paused, over 1 s: %.3f %%\n", CpuPercentOver(std::chrono::seconds(1)));

  std::printf("Play to first mixed block from a paused output: %s\n",
              Latencies(*layer, 10, std::chrono::milliseconds(700)).c_str());

  std::this_thread::sleep_for(ds::kReleaseAfter + std::chrono::seconds(1));
  std::printf("CPU stopped, output released, over 20 s: %.3f %%\n",
              CpuPercentOver(std::chrono::seconds(20)));
  std::printf("Play to first mixed block from a released output: %s\n",
              Latencies(*layer, 5, ds::kReleaseAfter + std::chrono::seconds(1)).c_str());
  return 0;
}
