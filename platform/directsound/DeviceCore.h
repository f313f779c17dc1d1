#pragma once
// What a device and its buffers share: the output, the mixer feeding it, and a small thread
// that pauses the output once everything has gone silent and, after a longer silence,
// releases it, so a stopped program costs no CPU. The same thread reopens an output whose
// device was lost, so a Play never waits on the sound server. Buffers hold the core, so it
// outlives every buffer.
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/directsound/AudioOutput.h"
#include "platform/directsound/Mixer.h"

namespace ds {

// How long a paused output stays open before it is released. A paused SDL device still
// feeds the server silence, ~90 wake-ups a second; a released one costs nothing. Releasing a
// paused device takes ~30 ms and reopening ~2 ms, and a fresh stream starts as soon as its
// first blocks arrive, so a Start after a release is heard no later than one after a Pause.
inline constexpr auto kReleaseAfter = std::chrono::seconds(2);

class DeviceCore {
 public:
  explicit DeviceCore(std::unique_ptr<AudioOutput> output);
  ~DeviceCore();
  DeviceCore(const DeviceCore&) = delete;
  DeviceCore& operator=(const DeviceCore&) = delete;

  // Opens the output (paused) and starts the idle thread. Control thread, once.
  HRESULT Open();
  // Control thread.
  Mixer& mixer() { return mixer_; }
  // Control thread: a voice was asked to play; resumes the output if it was paused. Never
  // waits for a release in progress, nor reopens a released or lost output itself: the idle
  // thread resumes it.
  void WakeOutput();

 private:
  void WatchForSilence();
  void ReleaseOutput(std::unique_lock<std::mutex>& lock);

  Mixer mixer_;
  std::unique_ptr<AudioOutput> output_;
  std::mutex mutex_;  // Resume, Pause and Release on output_, and the flags below
  std::condition_variable wake_;
  bool quitting_ = false;
  bool releasing_ = false;
  bool resumeAfterRelease_ = false;
  bool reopen_ = false;  // the output was lost: release it and resume it afresh
  bool released_ = false;        // released after a long pause
  bool resumeReleased_ = false;  // a Play found it released: the idle thread reopens it
  std::thread idle_;
};

}  // namespace ds
