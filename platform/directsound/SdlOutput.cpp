#include "platform/directsound/SdlOutput.h"

#include <SDL.h>

#include <mutex>

namespace ds {
namespace {

// SDL's audio subsystem is set up once per process; a failed attempt is tried again later.
bool StartSdlAudio() {
  static std::mutex mutex;
  static bool started = false;
  std::lock_guard lock(mutex);
  if (started) return true;
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "VelnoriaLM");
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_NAME, "Sound layers");
  started = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  return started;
}

}  // namespace

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
  if (device_ == 0 && !OpenDevice()) return;
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
  if (!running_) CloseDevice();
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
  const auto frames = static_cast<std::size_t>(bytes) / (sizeof(float) * kDeviceChannels);
  output->render_(output->context_, reinterpret_cast<float*>(stream), frames);
}

}  // namespace ds
