#include "tools/layers/Reverb.h"

#include <array>
#include <cstddef>

namespace layers {

namespace {

// Damped feedback comb: the parallel body of the reverberation.
class Comb {
 public:
  explicit Comb(size_t delay) : buffer_(delay, 0.0) {}
  double operator()(double in) {
    const double out = buffer_[pos_];
    filtered_ = out * (1.0 - kDamping) + filtered_ * kDamping;
    buffer_[pos_] = in + filtered_ * kFeedback;
    pos_ = (pos_ + 1) % buffer_.size();
    return out;
  }

 private:
  static constexpr double kFeedback = 0.80, kDamping = 0.35;
  std::vector<double> buffer_;
  size_t pos_ = 0;
  double filtered_ = 0;
};

// Allpass: smears the combs' echoes into a smooth wash.
class Allpass {
 public:
  explicit Allpass(size_t delay) : buffer_(delay, 0.0) {}
  double operator()(double in) {
    const double delayed = buffer_[pos_];
    buffer_[pos_] = in + delayed * 0.5;
    pos_ = (pos_ + 1) % buffer_.size();
    return delayed - in;
  }

 private:
  std::vector<double> buffer_;
  size_t pos_ = 0;
};

}  // namespace

std::vector<double> LoopReverb(const std::vector<double>& dry, double wet) {
  std::array<Comb, 4> combs{Comb(1557), Comb(1617), Comb(1491), Comb(1422)};
  std::array<Allpass, 2> allpasses{Allpass(556), Allpass(225)};
  std::vector<double> out(dry.size());
  // The first pass only fills the reverberation; the second is the loop as it repeats. The
  // tail dies away within a few seconds, far less than one pass.
  for (int pass = 0; pass < 2; ++pass) {
    for (size_t n = 0; n < dry.size(); ++n) {
      double sum = 0;
      for (Comb& comb : combs) sum += comb(dry[n]);
      for (Allpass& allpass : allpasses) sum = allpass(sum);
      if (pass == 1) out[n] = dry[n] + wet * sum;
    }
  }
  return out;
}

}  // namespace layers
