#pragma once
// A static buffer: decoded samples at the device rate, played by the device's mixer.
#include <memory>
#include <mutex>

#include "platform/directsound/DeviceCore.h"
#include "platform/directsound/DirectSound.h"

namespace ds {

class SoundBuffer final : public DirectSoundBuffer {
 public:
  // `voice` is already in the core's mixer. `format` is the buffer's own format.
  SoundBuffer(std::shared_ptr<DeviceCore> core, std::unique_ptr<Voice> voice,
              const WAVEFORMATEX& format, std::uint32_t capabilities);
  ~SoundBuffer() override;

  HRESULT Play(std::int32_t flags) override;
  HRESULT Stop() override;
  HRESULT SetCurrentPosition(std::int32_t position) override;
  HRESULT SetVolume(std::int32_t volume) override;
  HRESULT SetPan(std::int32_t pan) override;
  HRESULT GetVolume(std::int32_t& volume) override;
  HRESULT GetPan(std::int32_t& pan) override;
  HRESULT GetCurrentPosition(std::int32_t& position) override;
  HRESULT GetStatus(std::int32_t& status) override;
  HRESULT GetFormat(WAVEFORMATEX& format) override;

 private:
  bool Has(std::uint32_t capability) const { return (capabilities_ & capability) != 0; }
  // A volume or pan: refused without its control or out of [low, high]; else stored and
  // handed to the mixer as side gains.
  HRESULT SetLevel(std::uint32_t capability, std::int32_t value, std::int32_t low,
                   std::int32_t high, std::int32_t SoundBuffer::*level);
  HRESULT GetLevel(std::uint32_t capability, std::int32_t& value,
                   std::int32_t SoundBuffer::*level);

  std::shared_ptr<DeviceCore> core_;
  std::unique_ptr<Voice> voice_;
  const WAVEFORMATEX format_;
  const std::uint32_t capabilities_;
  std::mutex mutex_;  // volume_ and pan_, and the gains made from them
  std::int32_t volume_ = DSBVOLUME_MAX;
  std::int32_t pan_ = DSBPAN_CENTER;
};

}  // namespace ds
