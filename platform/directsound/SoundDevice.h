#pragma once
// A device on one output: makes buffers from WAVE files and hands them to its mixer.
#include <memory>

#include "platform/directsound/DeviceCore.h"
#include "platform/directsound/DirectSound.h"

namespace ds {

class SoundDevice final : public DirectSound {
 public:
  // `core` is already open.
  explicit SoundDevice(std::shared_ptr<DeviceCore> core) : core_(std::move(core)) {}

  HRESULT SetCooperativeLevel(std::int32_t windowHandle, std::int32_t level) override;
  HRESULT CreateSoundBufferFromFile(const std::string& path, DSBUFFERDESC& desc,
                                    WAVEFORMATEX& format,
                                    std::shared_ptr<DirectSoundBuffer>& buffer) override;

 private:
  std::shared_ptr<DeviceCore> core_;
  std::int32_t windowHandle_ = 0;
  std::int32_t level_ = 0;
};

}  // namespace ds
