#include "platform/directsound/SoundDevice.h"

#include "platform/directsound/SoundBuffer.h"
#include "platform/directsound/WaveFileLoad.h"
#include "platform/directsound/WavePrefetch.h"

namespace ds {

HRESULT SoundDevice::SetCooperativeLevel(std::int32_t windowHandle, std::int32_t level) {
  if (level != DSSCL_NORMAL && level != DSSCL_PRIORITY) return DSERR_INVALIDPARAM;
  // Kept for the record only: one output, shared by nobody else, sounds the same at any level.
  windowHandle_ = windowHandle;
  level_ = level;
  return DS_OK;
}

HRESULT SoundDevice::CreateSoundBufferFromFile(const std::string& path, DSBUFFERDESC& desc,
                                               WAVEFORMATEX& format,
                                               std::shared_ptr<DirectSoundBuffer>& buffer) {
  buffer.reset();
  DecodedWave wave;
  HRESULT status = DS_OK;
  if (!TakePrefetchedWave(path, status, wave)) status = LoadWaveFile(path, wave);
  if (Failed(status)) return status;

  auto voice = std::make_unique<Voice>(std::move(wave.samples), wave.frames,
                                       wave.format.nChannels);
  if (!core_->mixer().Add(voice.get())) return DSERR_OUTOFMEMORY;
  buffer = std::make_shared<SoundBuffer>(core_, std::move(voice), wave.format, desc.dwFlags);
  format = wave.format;
  desc.dwBufferBytes = wave.frames * wave.format.nBlockAlign;
  return DS_OK;
}

}  // namespace ds
