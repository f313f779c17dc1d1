#pragma once
// Where a device's mix goes: the sound card through SDL2, or memory for tests and benchmarks.
#include <cstddef>

#include "platform/directsound/DirectSoundTypes.h"

namespace ds {

inline constexpr int kDeviceRate = 44100;
inline constexpr int kDeviceChannels = 2;

class AudioOutput {
 public:
  // Called on the output's real-time thread: fill `frames` interleaved stereo float frames.
  using RenderFn = void (*)(void* context, float* interleavedStereo, std::size_t frames);

  virtual ~AudioOutput() = default;
  // Opens at 44100 Hz stereo, paused. DS_OK, or DSERR_NODRIVER when no real output exists.
  // Control thread.
  virtual HRESULT Open(RenderFn render, void* context) = 0;
  // Starts or restarts calling `render`. Control thread.
  virtual void Resume() = 0;
  // Stops calling `render`; returns once no call is in progress. Control thread.
  virtual void Pause() = 0;
  // Whether `render` is being called (not paused). Any thread.
  virtual bool Running() const = 0;
  // Lets go of what a paused output holds (SDL closes its device, ending the thread that feeds
  // the server silence); the next Resume takes it back. May block for a while. Control
  // thread, never at the same time as Resume or Pause.
  virtual void Release() {}
  // Whether the device went away under the output (the sound server died): it then plays
  // nowhere until released and resumed, which opens it afresh. Control thread, never at the
  // same time as Release.
  virtual bool Lost() const { return false; }
};

}  // namespace ds
