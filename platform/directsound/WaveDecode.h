#pragma once
// Turns the bytes of a whole WAVE file into float samples at the device rate. Pure: reads only
// the bytes it is given, so it can be driven by a fuzzer.
//
// Accepted: RIFF WAVE (plain or extensible) holding 8-, 16-, 24- or 32-bit integer PCM or
// 32- or 64-bit float PCM, mono or stereo, at 1000..768000 Hz, with at least one frame.
// More than two channels is DSERR_BADFORMAT: the mixer places mono or stereo only, and folding
// a surround layout down is a choice this device does not make for the caller.
// Anything else (no channels, no rate, a codec we do not take, a broken header, no data) is
// DSERR_BADFORMAT. A data chunk that claims more bytes than the file holds gives the whole
// frames that are there. A buffer that would be larger than DSBSIZE_MAX bytes in its own
// format at the device rate is DSERR_OUTOFMEMORY, found from the header before allocating.
// Non-finite float samples become 0 and magnitudes are limited to kMaxSampleMagnitude, so the
// mix of any buffers stays finite.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/directsound/DirectSoundTypes.h"
#include "platform/directsound/Samples.h"

namespace ds {

inline constexpr int kMinFileRate = 1000;
inline constexpr int kMaxFileRate = 768000;
inline constexpr float kMaxSampleMagnitude = 64.0f;

struct DecodedWave {
  Samples samples;  // interleaved, format.nChannels per frame, at the device rate
  std::uint32_t frames = 0;
  WAVEFORMATEX format;  // the buffer's own format: the file's sample type at the device rate
};

// Any thread.
HRESULT DecodeWave(std::span<const std::byte> file, DecodedWave& wave);

}  // namespace ds
