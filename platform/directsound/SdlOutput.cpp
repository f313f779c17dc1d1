#include "platform/directsound/SdlOutput.h"

#include "platform/directsound/AudioThreadPriority.h"

#include <SDL.h>

#include <cstdlib>
#include <mutex>
#include <thread>

namespace ds {
namespace {

// SDL's audio subsystem is set up once per process; a failed attempt is tried again later,
// and a subsystem whose server went away is stopped so that the next start connects afresh.
std::mutex sdlAudioMutex;
bool sdlAudioStarted = false;

bool StartSdlAudio() {
  std::lock_guard lock(sdlAudioMutex);
  if (sdlAudioStarted) return true;
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "VelnoriaLM");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sound layers");
  // The program ends on SIGTERM/SIGINT as any program does: nothing here reads SDL's events.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // A PulseAudio server keeps 45 ms of the stream (a quarter of it in the sink): room for a
  // busy machine to be late with a block, short enough that Pause falls silent and Start is
  // heard within about 60 ms. A value the user has set is left alone.
  setenv("PULSE_LATENCY_MSEC", "45", 0);
  sdlAudioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  return sdlAudioStarted;
}

void StopSdlAudio() {
  std::lock_guard lock(sdlAudioMutex);
  if (!sdlAudioStarted) return;
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  sdlAudioStarted = false;
}

}  // namespace

// Detached: it holds the lock until SDL's audio has started or failed, then ends.
void StartSdlAudioAhead() {
  std::thread([] { StartSdlAudio(); }).detach();
}

SdlOutput::~SdlOutput() { CloseDevice(); }

HRESULT SdlOutput::Open(RenderFn render, void* context) {
  if (opened_ || !StartSdlAudio()) return DSERR_NODRIVER;
  render_ = render;
  context_ = context;
  if (!OpenDevice()) return DSERR_NODRIVER;
  opened_ = true;
  return DS_OK;
}

void SdlOutput::Resume() {
  if (!opened_) return;
  if (device_ == 0 && !ReopenDevice()) return;
  SDL_PauseAudioDevice(device_, 0);
  running_ = true;
}

void SdlOutput::Pause() {
  running_ = false;
  // SDL runs the callback with the device lock held and takes that lock here, so once this
  // returns no callback is running.
  if (device_ != 0) SDL_PauseAudioDevice(device_, 1);
}

bool SdlOutput::Running() const { return running_; }

void SdlOutput::Release() {
  const bool lost = Lost();
  if (running_ && !lost) return;
  running_ = false;
  CloseDevice();
  if (lost) StopSdlAudio();
}

bool SdlOutput::Lost() const {
  return device_ != 0 && SDL_GetAudioDeviceStatus(device_) == SDL_AUDIO_STOPPED;
}

// SDL keeps one connection to the server for all its devices: if the server restarted since
// that connection was made, only a fresh start of SDL's audio opens a device on it.
bool SdlOutput::ReopenDevice() {
  if (StartSdlAudio() && OpenDevice()) return true;
  StopSdlAudio();
  if (StartSdlAudio() && OpenDevice()) return true;
  StopSdlAudio();
  return false;
}

bool SdlOutput::OpenDevice() {
  SDL_AudioSpec wanted{};
  wanted.freq = kDeviceRate;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = kDeviceChannels;
  wanted.samples = kSdlBufferFrames;
  wanted.callback = &SdlOutput::Callback;
  wanted.userdata = this;
  SDL_AudioSpec obtained{};
  threadRaised_ = false;  // before SDL starts the device's thread, which alone touches it
  // No allowed changes: SDL converts to whatever the server takes, so the callback always
  // sees 44100 Hz stereo float. SDL opens a device paused.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  return device_ != 0;
}

void SdlOutput::CloseDevice() {
  if (device_ == 0) return;
  SDL_CloseAudioDevice(device_);
  device_ = 0;
}

void SdlOutput::Callback(void* self, std::uint8_t* stream, int bytes) {
  auto* output = static_cast<SdlOutput*>(self);
  // Each device plays on a thread of its own, which has set its own priority by now: raised
  // any earlier (from the control thread, just after opening) SDL could undo it, or the
  // thread would not yet be there to raise.
  if (!output->threadRaised_) {
    RaiseThisThreadToRealtime();
    output->threadRaised_ = true;
  }
  const auto frames = static_cast<std::size_t>(bytes) / (sizeof(float) * kDeviceChannels);
  output->render_(output->context_, reinterpret_cast<float*>(stream), frames);
}

}  // namespace ds
