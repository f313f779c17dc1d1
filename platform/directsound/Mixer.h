#pragma once
// Sums the playing voices into the output. Voices join and leave through a fixed table of
// atomic slots, so the real-time side never allocates or locks.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/directsound/Voice.h"

namespace ds {

class Mixer {
 public:
  static constexpr std::size_t kMaxVoices = 64;

  // Control thread. False when every slot is taken.
  bool Add(Voice* voice);
  // Control thread. Takes the voice out; on return no mix can still be reading it.
  void Remove(Voice* voice);
  // Control thread: a voice was asked to play. Call before resuming the output.
  void NoteStart() { starts_.fetch_add(1, std::memory_order_seq_cst); }
  // Any thread: the last mixed block was silent and no voice was asked to play since it began.
  bool SilentSinceLastStart() const;

  // Real-time thread: fills `frames` interleaved stereo frames.
  void Mix(float* out, std::size_t frames);
  // Real-time thread: the output's render callback; `mixer` is the Mixer.
  static void Render(void* mixer, float* out, std::size_t frames);

 private:
  std::array<std::atomic<Voice*>, kMaxVoices> slots_{};
  std::atomic<std::uint64_t> blockEdges_{0};  // odd while a block is being mixed
  std::atomic<std::uint64_t> starts_{0};
  std::atomic<std::uint64_t> silenceReport_{0};  // (starts seen << 1) | silent
};

}  // namespace ds
