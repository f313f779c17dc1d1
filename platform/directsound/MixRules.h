#pragma once
// What a listener hears from a buffer, exactly, so tests anywhere can check output sample by sample.
//
// Gain: a level of v hundredths of a decibel (v <= 0) is the linear gain 10^(v/2000), as a float;
// v <= -10000 is exactly 0. A buffer's left gain uses volume + min(0, -pan), its right gain
// volume + min(0, pan): pan attenuates the far side, and adds to volume.
// Channels: a mono buffer feeds both sides; a stereo buffer's left feeds left, right feeds right.
//
// Ramps: every start, stop, seek and level change seen at the start of a mixed block ramps
// linearly over kRampFrames output frames. Frame k (k = 0..127) of a ramp sits (k+1)/128 of the
// way from the old value to the new one, so frame 127 is already at the new value.
// - Play: frame k after the start is float(sample) * gain * ((k+1)/128), computed as
//   (sample * gain) * fade; from frame 127 on it is exactly float(sample) * gain.
// - Stop: the position stays where the stop took effect (the start of the next mixed block).
//   A fade-out tail reads on from there for frames 0..126 at 1 - (k+1)/128 of the level it had;
//   it does not move the kept position. A later Play fades in from the kept position.
// - Seek while playing: the old position fades out as a tail while the new one fades in.
// - Volume or pan change while playing: each side's gain moves from old to new by the same rule.
// - A stopped, silent buffer takes a new volume or pan without a ramp.
// Once a ramp is over nothing of it is left: output is float(sample) * gain, summed over the
// playing buffers and clamped to [-1, 1].
// Sum order, which fixes every float rounding: buffers in the order they were made; within
// one, its playing position first, then its fade-out tails in the order of the four slots
// they use. A fifth fade-out inside one ramp takes the slot of the one closest to its end.
#include <cstdint>

namespace ds {

inline constexpr std::uint32_t kRampFrames = 128;

// Linear gain of a level in hundredths of a decibel, as the mixer uses it. Any thread.
float GainFromHundredthsDb(std::int32_t level);

struct ChannelGains {
  float left = 1.0f;
  float right = 1.0f;
};

// The two side gains a volume and a pan give (both already in range). Any thread.
ChannelGains GainsFor(std::int32_t volume, std::int32_t pan);

}  // namespace ds
