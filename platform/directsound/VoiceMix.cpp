#include "platform/directsound/VoiceMix.h"

#include <algorithm>

namespace ds {
namespace {

using namespace control_bits;

bool Sounding(const VoiceRenderState& state) {
  if (state.playing) return true;
  return std::any_of(state.tails.begin(), state.tails.end(),
                     [](const VoiceTail& tail) { return tail.active; });
}

// A free tail, or else the one closest to done: with more stops and seeks inside one ramp
// than there are tails, the quietest fade is the one cut short.
VoiceTail& TailToUse(VoiceRenderState& state) {
  for (VoiceTail& tail : state.tails) {
    if (!tail.active) return tail;
  }
  return *std::min_element(state.tails.begin(), state.tails.end(),
                           [](const VoiceTail& a, const VoiceTail& b) {
                             return a.fade.Remaining() < b.fade.Remaining();
                           });
}

void FadeOutCurrentPosition(VoiceRenderState& state) {
  VoiceTail& tail = TailToUse(state);
  tail.frame = state.frame;
  tail.looping = state.looping;
  tail.active = true;
  tail.fade.Set(state.fade.Current());
  tail.fade.StartTo(0.0f);
  state.fade.Set(0.0f);
}

void ApplyGains(Voice& voice, bool sounding) {
  const ChannelGains gains = UnpackGains(voice.control.gains.load(std::memory_order_acquire));
  VoiceRenderState& state = voice.render;
  if (!sounding) {
    state.left.Set(gains.left);
    state.right.Set(gains.right);
    return;
  }
  if (gains.left != state.left.Target()) state.left.StartTo(gains.left);
  if (gains.right != state.right.Target()) state.right.StartTo(gains.right);
}

// The end of the buffer counts as its beginning whenever playing starts or moves.
void ApplyTransport(Voice& voice, std::uint64_t word) {
  VoiceRenderState& state = voice.render;
  const bool playing = (word & kPlaying) != 0;
  const bool seek = (word & kSeekPending) != 0;
  if (state.playing && (!playing || seek)) FadeOutCurrentPosition(state);
  if (seek) state.frame = std::min(Frame(word), voice.frames);
  if (playing && (!state.playing || seek)) {
    if (state.frame >= voice.frames) state.frame = 0;
    state.fade.Set(0.0f);
    state.fade.StartTo(1.0f);
  }
  state.playing = playing;
  state.looping = (word & kLooping) != 0;
}

void ReadFrame(const Voice& voice, std::uint32_t frame, float& left, float& right) {
  const float* sample = voice.samples.data() + std::size_t{frame} * voice.channels;
  left = sample[0];
  right = voice.channels == 2 ? sample[1] : sample[0];
}

// Moves a cursor on by one frame; false when it ran off the end without looping.
bool Advance(std::uint32_t& frame, std::uint32_t frames, bool looping) {
  if (++frame < frames) return true;
  if (!looping) return false;
  frame = 0;
  return true;
}

std::size_t RampFrames(const VoiceRenderState& state, std::size_t frames) {
  std::uint32_t longest = std::max({state.left.Remaining(), state.right.Remaining(),
                                    state.playing ? state.fade.Remaining() : 0u});
  for (const VoiceTail& tail : state.tails) {
    if (tail.active) longest = std::max(longest, tail.fade.Remaining());
  }
  return std::min<std::size_t>(frames, longest);
}

// Frame by frame while any ramp runs.
void MixRamping(Voice& voice, float* out, std::size_t frames, bool& ended) {
  VoiceRenderState& state = voice.render;
  for (std::size_t i = 0; i < frames; ++i) {
    const float gainLeft = state.left.Next();
    const float gainRight = state.right.Next();
    float* frameOut = out + 2 * i;
    float left = 0.0f;
    float right = 0.0f;
    if (state.playing) {
      const float fade = state.fade.Next();
      ReadFrame(voice, state.frame, left, right);
      frameOut[0] += (left * gainLeft) * fade;
      frameOut[1] += (right * gainRight) * fade;
      if (!Advance(state.frame, voice.frames, state.looping)) {
        state.playing = false;
        ended = true;
      }
    }
    for (VoiceTail& tail : state.tails) {
      if (!tail.active) continue;
      const float fade = tail.fade.Next();
      ReadFrame(voice, tail.frame, left, right);
      frameOut[0] += (left * gainLeft) * fade;
      frameOut[1] += (right * gainRight) * fade;
      if (tail.fade.Done() || !Advance(tail.frame, voice.frames, tail.looping)) tail.active = false;
    }
  }
}

// Once every ramp is over: whole runs up to the end of the buffer at fixed gains.
void MixSteady(Voice& voice, float* out, std::size_t frames, bool& ended) {
  VoiceRenderState& state = voice.render;
  const float gainLeft = state.left.Current();
  const float gainRight = state.right.Current();
  std::size_t done = 0;
  while (state.playing && done < frames) {
    const std::size_t run = std::min<std::size_t>(frames - done, voice.frames - state.frame);
    const float* in = voice.samples.data() + std::size_t{state.frame} * voice.channels;
    float* frameOut = out + 2 * done;
    if (voice.channels == 2) {
      for (std::size_t i = 0; i < run; ++i) {
        frameOut[2 * i] += in[2 * i] * gainLeft;
        frameOut[2 * i + 1] += in[2 * i + 1] * gainRight;
      }
    } else {
      for (std::size_t i = 0; i < run; ++i) {
        frameOut[2 * i] += in[i] * gainLeft;
        frameOut[2 * i + 1] += in[i] * gainRight;
      }
    }
    done += run;
    state.frame += static_cast<std::uint32_t>(run);
    if (state.frame < voice.frames) continue;
    if (state.looping) {
      state.frame = 0;
    } else {
      state.playing = false;
      ended = true;
    }
  }
}

}  // namespace

bool MixVoice(Voice& voice, float* out, std::size_t frames) {
  VoiceRenderState& state = voice.render;
  std::uint64_t word = voice.control.word.load(std::memory_order_acquire);
  const bool sounding = Sounding(state);
  if (!sounding && (word & (kPlaying | kSeekPending)) == 0) return false;
  if ((word & kSeekPending) != 0) {
    word = voice.control.word.fetch_and(~kSeekPending, std::memory_order_acq_rel);
  }
  ApplyGains(voice, sounding);
  ApplyTransport(voice, word);
  const std::uint64_t seekNumber = SeekNumber(word);
  voice.control.position.store(PositionWord(seekNumber, state.frame), std::memory_order_release);

  bool ended = false;
  const std::size_t ramping = RampFrames(state, frames);
  MixRamping(voice, out, ramping, ended);
  MixSteady(voice, out + 2 * ramping, frames - ramping, ended);
  voice.control.position.store(PositionWord(seekNumber, state.frame), std::memory_order_release);

  if (ended) {
    // A one-shot play reached the end: report it stopped, unless a control thread has
    // changed the request meanwhile (the next block then acts on that).
    std::uint64_t expected = word & ~kSeekPending;
    voice.control.word.compare_exchange_strong(expected, expected & ~kPlaying,
                                               std::memory_order_acq_rel,
                                               std::memory_order_relaxed);
  }
  return Sounding(state);
}

}  // namespace ds
