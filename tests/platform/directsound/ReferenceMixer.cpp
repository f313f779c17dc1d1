#include "tests/platform/directsound/ReferenceMixer.h"

#include <algorithm>

#include "tests/platform/directsound/TestDevice.h"

namespace dstest {

float ReferenceMixer::Move::Now() const {
  if (done >= 128) return to;
  return from + (to - from) * (static_cast<float>(done) / 128.0f);
}

float ReferenceMixer::Move::Step() {
  if (done < 128) ++done;
  return Now();
}

void ReferenceMixer::Move::Toward(float target) {
  from = Now();
  to = target;
  done = from == to ? 128 : 0;
}

std::size_t ReferenceMixer::Add(std::vector<float> samples, int channels) {
  Buffer b;
  b.frames = static_cast<std::uint32_t>(samples.size() / channels);
  b.samples = std::move(samples);
  b.channels = channels;
  buffers_.push_back(std::move(b));
  return buffers_.size() - 1;
}

void ReferenceMixer::Play(std::size_t buffer, bool looping) {
  buffers_[buffer].wantPlaying = true;
  buffers_[buffer].wantLooping = looping;
}

void ReferenceMixer::Stop(std::size_t buffer) { buffers_[buffer].wantPlaying = false; }

void ReferenceMixer::Seek(std::size_t buffer, std::uint32_t frame) {
  buffers_[buffer].wantSeek = frame;
}

void ReferenceMixer::SetLevels(std::size_t buffer, std::int32_t volume, std::int32_t pan) {
  buffers_[buffer].wantLeft = ExpectedGain(volume + std::min(0, -pan));
  buffers_[buffer].wantRight = ExpectedGain(volume + std::min(0, pan));
}

std::uint32_t ReferenceMixer::Position(std::size_t buffer) const {
  const Buffer& b = buffers_[buffer];
  return b.wantSeek ? *b.wantSeek : b.frame;
}

bool ReferenceMixer::Playing(std::size_t buffer) const { return buffers_[buffer].wantPlaying; }

bool ReferenceMixer::Sounding(const Buffer& b) {
  return b.playing || std::any_of(b.fadeOuts.begin(), b.fadeOuts.end(),
                                  [](const FadeOut& f) { return f.active; });
}

// The position left behind fades out from the level it had; with every fade-out busy, the
// one closest to its end gives way.
void ReferenceMixer::StartFadeOut(Buffer& b) {
  FadeOut* slot = nullptr;
  for (FadeOut& f : b.fadeOuts) {
    if (!f.active) {
      slot = &f;
      break;
    }
  }
  if (slot == nullptr) {
    slot = &*std::min_element(b.fadeOuts.begin(), b.fadeOuts.end(), [](const FadeOut& x, const FadeOut& y) {
      return 128 - x.level.done < 128 - y.level.done;
    });
  }
  slot->active = true;
  slot->looping = b.looping;
  slot->frame = b.frame;
  slot->level.Jump(b.fade.Now());
  slot->level.Toward(0.0f);
}

void ReferenceMixer::BeginBlock(Buffer& b) {
  const bool sounding = Sounding(b);
  if (!sounding && !b.wantPlaying && !b.wantSeek) return;  // silent and still: nothing seen
  if (sounding) {
    if (b.wantLeft != b.left.to) b.left.Toward(b.wantLeft);
    if (b.wantRight != b.right.to) b.right.Toward(b.wantRight);
  } else {
    b.left.Jump(b.wantLeft);
    b.right.Jump(b.wantRight);
  }
  const bool seek = b.wantSeek.has_value();
  if (b.playing && (!b.wantPlaying || seek)) {
    StartFadeOut(b);
    b.fade.Jump(0.0f);
  }
  if (seek) b.frame = std::min(*b.wantSeek, b.frames);
  if (b.wantPlaying && (!b.playing || seek)) {
    if (b.frame >= b.frames) b.frame = 0;
    b.fade.Jump(0.0f);
    b.fade.Toward(1.0f);
  }
  b.wantSeek.reset();
  b.playing = b.wantPlaying;
  b.looping = b.wantLooping;
}

void ReferenceMixer::MixFrame(Buffer& b, float* out) {
  const float gainLeft = b.left.Step();
  const float gainRight = b.right.Step();
  auto add = [&](std::uint32_t frame, float level) {
    const float* s = &b.samples[std::size_t{frame} * b.channels];
    out[0] += (s[0] * gainLeft) * level;
    out[1] += (s[b.channels - 1] * gainRight) * level;
  };
  if (b.playing) {
    add(b.frame, b.fade.Step());
    if (++b.frame == b.frames) {
      if (b.looping) {
        b.frame = 0;
      } else {
        b.playing = b.wantPlaying = false;
      }
    }
  }
  for (FadeOut& f : b.fadeOuts) {
    if (!f.active) continue;
    add(f.frame, f.level.Step());
    if (++f.frame == b.frames) {
      if (f.looping) {
        f.frame = 0;
      } else {
        f.active = false;
      }
    }
    if (f.level.done >= 128) f.active = false;
  }
}

void ReferenceMixer::Mix(float* out, std::size_t frames) {
  std::fill(out, out + 2 * frames, 0.0f);
  for (Buffer& b : buffers_) {
    BeginBlock(b);
    if (!Sounding(b)) continue;
    for (std::size_t i = 0; i < frames; ++i) MixFrame(b, out + 2 * i);
  }
  for (std::size_t i = 0; i < 2 * frames; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

}  // namespace dstest
