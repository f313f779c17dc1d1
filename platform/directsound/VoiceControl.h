#pragma once
// What the control threads tell one buffer's voice and what the mixer tells back, each as a
// single 64-bit atomic so a reader never sees half of a change.
//
// Control word: bit 63 playing, bit 62 looping, bit 61 a seek waiting for the mixer,
// bits 32..60 the number of the latest seek, bits 0..31 that seek's frame.
// Position word (written by the mixer): bits 32..60 the number of the last seek it applied,
// bits 0..31 the frame the next mixed frame reads.
// Gains word: left gain's float bits high, right gain's low.
#include <atomic>
#include <bit>
#include <cstdint>

#include "platform/directsound/MixRules.h"

namespace ds {

namespace control_bits {
inline constexpr std::uint64_t kPlaying = 1ull << 63;
inline constexpr std::uint64_t kLooping = 1ull << 62;
inline constexpr std::uint64_t kSeekPending = 1ull << 61;
inline constexpr int kSeekShift = 32;
inline constexpr std::uint64_t kSeekMask = (1ull << 29) - 1;
inline constexpr std::uint64_t kFrameMask = 0xFFFFFFFFull;

constexpr std::uint64_t SeekNumber(std::uint64_t word) { return (word >> kSeekShift) & kSeekMask; }
constexpr std::uint32_t Frame(std::uint64_t word) {
  return static_cast<std::uint32_t>(word & kFrameMask);
}
constexpr std::uint64_t PositionWord(std::uint64_t seekNumber, std::uint32_t frame) {
  return ((seekNumber & kSeekMask) << kSeekShift) | frame;
}
}  // namespace control_bits

inline std::uint64_t PackGains(ChannelGains gains) {
  return (std::uint64_t{std::bit_cast<std::uint32_t>(gains.left)} << 32) |
         std::bit_cast<std::uint32_t>(gains.right);
}

inline ChannelGains UnpackGains(std::uint64_t word) {
  return ChannelGains{std::bit_cast<float>(static_cast<std::uint32_t>(word >> 32)),
                      std::bit_cast<float>(static_cast<std::uint32_t>(word))};
}

struct VoiceControl {
  std::atomic<std::uint64_t> word{0};
  std::atomic<std::uint64_t> position{0};
  std::atomic<std::uint64_t> gains{PackGains(ChannelGains{})};

  // Control threads: requests the mixer applies at the start of its next block.
  void RequestPlay(bool looping) {
    Update([looping](std::uint64_t w) {
      w |= control_bits::kPlaying;
      return looping ? (w | control_bits::kLooping) : (w & ~control_bits::kLooping);
    });
  }
  void RequestStop() {
    Update([](std::uint64_t w) { return w & ~control_bits::kPlaying; });
  }
  void RequestSeek(std::uint32_t frame) {
    using namespace control_bits;
    Update([frame](std::uint64_t w) {
      return (w & (kPlaying | kLooping)) | kSeekPending | PositionWord(SeekNumber(w) + 1, frame);
    });
  }

  // Any thread: the frame the next mixed frame reads, counting a seek not yet applied.
  std::uint32_t CurrentFrame() const {
    using namespace control_bits;
    const std::uint64_t w = word.load(std::memory_order_seq_cst);
    const std::uint64_t p = position.load(std::memory_order_seq_cst);
    if ((w & kSeekPending) != 0 || SeekNumber(w) != SeekNumber(p)) return Frame(w);
    return Frame(p);
  }

  bool Playing() const { return (word.load() & control_bits::kPlaying) != 0; }
  bool Looping() const { return (word.load() & control_bits::kLooping) != 0; }

 private:
  template <typename Change>
  void Update(Change change) {
    std::uint64_t old = word.load(std::memory_order_relaxed);
    while (!word.compare_exchange_weak(old, change(old), std::memory_order_seq_cst,
                                       std::memory_order_relaxed)) {
    }
  }
};

}  // namespace ds
