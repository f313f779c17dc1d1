#pragma once
// A value that moves linearly to a target over kRampFrames frames, one frame per Next().
#include <cstdint>

#include "platform/directsound/MixRules.h"

namespace ds {

class Ramp {
 public:
  // Jumps to `value` at once.
  void Set(float value) {
    from_ = to_ = value;
    step_ = kRampFrames;
  }
  // Ramps from where it is now to `target`.
  void StartTo(float target) {
    from_ = Current();
    to_ = target;
    step_ = from_ == to_ ? kRampFrames : 0;
  }
  // The value for the next frame; exactly the target from the last ramp frame on.
  float Next() {
    if (step_ < kRampFrames) ++step_;
    return ValueAt(step_);
  }
  // The value of the frame last produced.
  float Current() const { return ValueAt(step_); }
  float Target() const { return to_; }
  bool Done() const { return step_ >= kRampFrames; }
  std::uint32_t Remaining() const { return kRampFrames - step_; }

 private:
  float ValueAt(std::uint32_t step) const {
    if (step >= kRampFrames) return to_;
    return from_ + (to_ - from_) * (static_cast<float>(step) / static_cast<float>(kRampFrames));
  }

  float from_ = 0.0f;
  float to_ = 0.0f;
  std::uint32_t step_ = kRampFrames;
};

}  // namespace ds
