#include "platform/directsound/Mixer.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/directsound/VoiceMix.h"

namespace ds {

bool Mixer::Add(Voice* voice) {
  for (std::atomic<Voice*>& slot : slots_) {
    Voice* empty = nullptr;
    if (slot.compare_exchange_strong(empty, voice, std::memory_order_seq_cst)) return true;
  }
  return false;
}

void Mixer::Remove(Voice* voice) {
  for (std::atomic<Voice*>& slot : slots_) {
    Voice* expected = voice;
    slot.compare_exchange_strong(expected, nullptr, std::memory_order_seq_cst);
  }
  // A block that began before the slot was cleared may still read the voice: wait it out.
  // Blocks that begin later cannot see it.
  const std::uint64_t edge = blockEdges_.load(std::memory_order_seq_cst);
  if ((edge & 1) == 0) return;
  while (blockEdges_.load(std::memory_order_seq_cst) == edge) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

bool Mixer::SilentSinceLastStart() const {
  const std::uint64_t report = silenceReport_.load(std::memory_order_seq_cst);
  return (report & 1) != 0 && (report >> 1) == starts_.load(std::memory_order_seq_cst);
}

void Mixer::Mix(float* out, std::size_t frames) {
  blockEdges_.fetch_add(1, std::memory_order_seq_cst);
  const std::uint64_t starts = starts_.load(std::memory_order_seq_cst);
  std::fill(out, out + 2 * frames, 0.0f);
  bool sounding = false;
  for (std::atomic<Voice*>& slot : slots_) {
    Voice* voice = slot.load(std::memory_order_seq_cst);
    if (voice != nullptr) sounding = MixVoice(*voice, out, frames) || sounding;
  }
  for (std::size_t i = 0; i < 2 * frames; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
  silenceReport_.store((starts << 1) | (sounding ? 0u : 1u), std::memory_order_seq_cst);
  blockEdges_.fetch_add(1, std::memory_order_seq_cst);
}

void Mixer::Render(void* mixer, float* out, std::size_t frames) {
  static_cast<Mixer*>(mixer)->Mix(out, frames);
}

}  // namespace ds
