#pragma once
// Statuses, constants and records of the sound device model. Values are the classic ones,
// so a status or a flag read in a log or a report means what a sound programmer expects.
#include <cstdint>

namespace ds {

using HRESULT = std::int32_t;

inline constexpr HRESULT DS_OK = 0;
inline constexpr HRESULT DSERR_GENERIC = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT DSERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT DSERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT DSERR_CONTROLUNAVAIL = static_cast<HRESULT>(0x8878001Eu);
inline constexpr HRESULT DSERR_BADFORMAT = static_cast<HRESULT>(0x88780064u);
inline constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078u);

constexpr bool Failed(HRESULT status) { return status < 0; }

// Cooperative levels.
inline constexpr std::int32_t DSSCL_NORMAL = 1;
inline constexpr std::int32_t DSSCL_PRIORITY = 2;

// Play flags.
inline constexpr std::int32_t DSBPLAY_LOOPING = 1;

// Buffer capabilities (DSBUFFERDESC::dwFlags).
inline constexpr std::uint32_t DSBCAPS_STATIC = 0x2;
inline constexpr std::uint32_t DSBCAPS_CTRLFREQUENCY = 0x20;
inline constexpr std::uint32_t DSBCAPS_CTRLPAN = 0x40;
inline constexpr std::uint32_t DSBCAPS_CTRLVOLUME = 0x80;

// Buffer status bits (DirectSoundBuffer::GetStatus).
inline constexpr std::int32_t DSBSTATUS_PLAYING = 0x1;
inline constexpr std::int32_t DSBSTATUS_LOOPING = 0x4;

// Volume in hundredths of a decibel; pan in hundredths of a decibel of the far channel.
inline constexpr std::int32_t DSBVOLUME_MAX = 0;
inline constexpr std::int32_t DSBVOLUME_MIN = -10000;
inline constexpr std::int32_t DSBPAN_LEFT = -10000;
inline constexpr std::int32_t DSBPAN_CENTER = 0;
inline constexpr std::int32_t DSBPAN_RIGHT = 10000;

// Largest buffer a device makes, in bytes of the buffer's own format.
inline constexpr std::uint64_t DSBSIZE_MAX = 0x0FFFFFFF;

inline constexpr std::uint16_t WAVE_FORMAT_PCM = 1;
inline constexpr std::uint16_t WAVE_FORMAT_IEEE_FLOAT = 3;

struct WAVEFORMATEX {
  std::uint16_t wFormatTag = 0;
  std::uint16_t nChannels = 0;
  std::uint32_t nSamplesPerSec = 0;
  std::uint32_t nAvgBytesPerSec = 0;
  std::uint16_t nBlockAlign = 0;
  std::uint16_t wBitsPerSample = 0;
  std::uint16_t cbSize = 0;
};

// Five 32-bit fields; only dwFlags is looked at by CreateSoundBufferFromFile.
struct DSBUFFERDESC {
  std::uint32_t dwSize = 0;
  std::uint32_t dwFlags = 0;
  std::uint32_t dwBufferBytes = 0;
  std::uint32_t dwReserved = 0;
  std::uint32_t lpwfxFormat = 0;
};

}  // namespace ds
