#pragma once
// The sound card through SDL2's audio callback, on the desktop's sound server.
#include <atomic>
#include <cstdint>

#include "platform/directsound/AudioOutput.h"

namespace ds {

// Frames SDL asks for per callback (11.6 ms). SDL writes a block only once the server's queue
// has room for a whole one, so the smaller the block, the fuller the queue stays: with the
// 45 ms the server is asked to keep (SdlOutput.cpp), a machine that stops for ~30 ms still
// does not run the stream dry, where 1024-frame blocks left room for ~17 ms.
inline constexpr int kSdlBufferFrames = 512;

// Starts SDL's audio on a thread of its own; Open then waits for it. Any thread.
void StartSdlAudioAhead();

class SdlOutput final : public AudioOutput {
 public:
  SdlOutput() = default;
  ~SdlOutput() override;
  SdlOutput(const SdlOutput&) = delete;
  SdlOutput& operator=(const SdlOutput&) = delete;

  // Opens SDL's default output, paused; DSERR_NODRIVER when none opens (no server, no card).
  // SDL's dummy and disk outputs are used only when asked for through SDL_AUDIODRIVER.
  HRESULT Open(RenderFn render, void* context) override;
  // Reopens a released device first, starting SDL's audio afresh if need be. If that fails
  // (the server is not back) the output stays stopped, and the next Resume tries again.
  void Resume() override;
  // Fast: the device stays open, and SDL's thread goes on feeding the server silence.
  void Pause() override;
  bool Running() const override;
  // Closes the device; SDL drains what the server still holds first, which can take a second.
  // A lost device is closed even while running, and SDL's audio is stopped with it: its
  // connection to the server died with the server.
  void Release() override;
  // SDL stopped the device: the server went away. SDL then goes on calling the callback
  // into nothing, and never reconnects by itself.
  bool Lost() const override;

 private:
  static void Callback(void* self, std::uint8_t* stream, int bytes);
  bool OpenDevice();
  bool ReopenDevice();
  void CloseDevice();

  RenderFn render_ = nullptr;
  void* context_ = nullptr;
  bool opened_ = false;
  std::uint32_t device_ = 0;
  bool threadRaised_ = false;  // device_'s thread raised itself to real-time; set by it alone
  std::atomic<bool> running_{false};
};

}  // namespace ds
