#include "platform/directsound/WavePrefetch.h"

#include <future>
#include <map>
#include <mutex>
#include <utility>

#include "platform/directsound/WaveFileLoad.h"

namespace ds {
namespace {

struct Loaded {
  HRESULT status = DS_OK;
  DecodedWave wave;
};

std::mutex pendingMutex;
// Futures of std::async: a prefetch never handed over is waited for when the process exits
// normally, so no thread outlives what it uses.
std::map<std::string, std::future<Loaded>> pending;

Loaded Load(const std::string& path) {
  Loaded loaded;
  loaded.status = LoadWaveFile(path, loaded.wave);
  return loaded;
}

}  // namespace

void PrefetchWaveFile(const std::string& path) {
  std::lock_guard lock(pendingMutex);
  if (pending.contains(path)) return;
  pending.emplace(path, std::async(std::launch::async, Load, path));
}

bool TakePrefetchedWave(const std::string& path, HRESULT& status, DecodedWave& wave) {
  std::future<Loaded> prefetch;
  {
    std::lock_guard lock(pendingMutex);
    const auto found = pending.find(path);
    if (found == pending.end()) return false;
    prefetch = std::move(found->second);
    pending.erase(found);
  }
  Loaded loaded = prefetch.get();
  status = loaded.status;
  wave = std::move(loaded.wave);
  return true;
}

}  // namespace ds
