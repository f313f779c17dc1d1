#pragma once
// One buffer as the mixer sees it: decoded samples that never change after creation, the
// control atomics, and the play state only the mixer touches.
#include <array>
#include <cstdint>

#include "platform/directsound/Ramp.h"
#include "platform/directsound/Samples.h"
#include "platform/directsound/VoiceControl.h"

namespace ds {

// A fading-out copy of a position that was stopped or seeked away from.
struct VoiceTail {
  std::uint32_t frame = 0;
  Ramp fade;
  bool looping = false;
  bool active = false;
};

// Mixer thread only.
struct VoiceRenderState {
  static constexpr std::size_t kMaxTails = 4;
  bool playing = false;
  bool looping = false;
  std::uint32_t frame = 0;
  Ramp fade;
  Ramp left;
  Ramp right;
  std::array<VoiceTail, kMaxTails> tails{};
};

struct Voice {
  Voice(Samples decoded, std::uint32_t frameCount, std::uint16_t channelCount)
      : samples(std::move(decoded)), frames(frameCount), channels(channelCount) {
    render.left.Set(1.0f);
    render.right.Set(1.0f);
  }

  const Samples samples;             // interleaved, `channels` per frame
  const std::uint32_t frames;        // at least 1
  const std::uint16_t channels;      // 1 or 2
  VoiceControl control;
  VoiceRenderState render;
};

}  // namespace ds
