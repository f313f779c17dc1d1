#pragma once
// The sound device model: a root makes a device, a device makes buffers, a buffer plays,
// stops, seeks and sets volume and pan. Every operation returns a status; below zero fails.
// Units at this interface are the device model's: positions in bytes of the buffer's own
// format, volume in hundredths of a decibel, pan in hundredths of a decibel of the far side.
// What a playing buffer sounds like, sample by sample, ramps included: MixRules.h.
#include <functional>
#include <memory>
#include <string>

#include "platform/directsound/DirectSoundTypes.h"
#include "platform/directsound/MixRules.h"

namespace ds {

class AudioOutput;

// One static sound buffer. All operations: any non-real-time thread; in this program the
// window's thread. None of them blocks on the audio callback.
class DirectSoundBuffer {
 public:
  virtual ~DirectSoundBuffer() = default;
  // Plays from the current position; with DSBPLAY_LOOPING, loops sample-exact until Stop.
  // Without it, plays to the end once and stops there, the position at the end. A position
  // at the end plays from the beginning. On a playing buffer it goes on playing.
  virtual HRESULT Play(std::int32_t flags) = 0;
  // Stops and keeps the position, so a later Play resumes there.
  virtual HRESULT Stop() = 0;
  // Moves the play position (bytes, rounded down to a whole frame); heard at once when playing.
  // 0 up to the buffer's size (the end) is taken; anything else is DSERR_INVALIDPARAM.
  virtual HRESULT SetCurrentPosition(std::int32_t position) = 0;
  // -10000..0 hundredths of a decibel; -10000 is exact silence. Out of range: DSERR_INVALIDPARAM.
  virtual HRESULT SetVolume(std::int32_t volume) = 0;
  // -10000..+10000; negative attenuates the right channel, positive the left. Adds to volume.
  virtual HRESULT SetPan(std::int32_t pan) = 0;
  virtual HRESULT GetVolume(std::int32_t& volume) = 0;
  virtual HRESULT GetPan(std::int32_t& pan) = 0;
  // The position the next rendered frame is read from, in bytes.
  virtual HRESULT GetCurrentPosition(std::int32_t& position) = 0;
  // DSBSTATUS_PLAYING | DSBSTATUS_LOOPING while playing looped, 0 when stopped.
  virtual HRESULT GetStatus(std::int32_t& status) = 0;
  virtual HRESULT GetFormat(WAVEFORMATEX& format) = 0;
};

// One output device. All operations: any non-real-time thread.
class DirectSound {
 public:
  virtual ~DirectSound() = default;
  // Records the owner window and level (DSSCL_NORMAL or DSSCL_PRIORITY); other levels:
  // DSERR_INVALIDPARAM.
  virtual HRESULT SetCooperativeLevel(std::int32_t windowHandle, std::int32_t level) = 0;
  // Reads the whole WAVE file at `path` and makes a static buffer of it at the device's rate.
  // `desc.dwFlags` decides which controls exist (DSBCAPS_CTRLVOLUME, DSBCAPS_CTRLPAN).
  // Anything it cannot make a buffer from gives a failing status, never a crash or a hang,
  // and leaves `buffer` empty and both records untouched: DSERR_GENERIC when the path is not
  // a readable regular file, DSERR_BADFORMAT for content it does not take (WaveDecode.h),
  // DSERR_OUTOFMEMORY when the buffer would pass DSBSIZE_MAX. On success `format` is the
  // buffer's own format at 44100 Hz and `desc.dwBufferBytes` its size.
  virtual HRESULT CreateSoundBufferFromFile(const std::string& path, DSBUFFERDESC& desc,
                                            WAVEFORMATEX& format,
                                            std::shared_ptr<DirectSoundBuffer>& buffer) = 0;
};

// The root object of the sound interface. Any non-real-time thread.
class DirectX7 {
 public:
  virtual ~DirectX7() = default;
  // "" is the default output; any other device text is DSERR_INVALIDPARAM. Fails with
  // DSERR_NODRIVER, and gives no device, when no real output can be opened.
  virtual HRESULT DirectSoundCreate(const std::string& deviceGuid,
                                    std::shared_ptr<DirectSound>& device) = 0;
};

using OutputFactory = std::function<std::unique_ptr<AudioOutput>()>;

// A root whose devices play through the desktop's sound server (SDL2 audio callback).
std::shared_ptr<DirectX7> MakeDirectX7();
// Starts connecting to the desktop's sound server on a thread of its own, so that the first
// device of MakeDirectX7()'s root finds the connection made, or waits only for what is left.
// A failed attempt changes nothing: that device tries again and fails as it would have. Any
// thread.
void StartSoundServerConnection();
// A root whose devices send their mix to whatever `makeOutput` returns (e.g. MemoryOutput).
std::shared_ptr<DirectX7> MakeDirectX7(OutputFactory makeOutput);

}  // namespace ds
