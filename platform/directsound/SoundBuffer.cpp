#include "platform/directsound/SoundBuffer.h"

namespace ds {

SoundBuffer::SoundBuffer(std::shared_ptr<DeviceCore> core, std::unique_ptr<Voice> voice,
                         const WAVEFORMATEX& format, std::uint32_t capabilities)
    : core_(std::move(core)), voice_(std::move(voice)), format_(format),
      capabilities_(capabilities) {}

SoundBuffer::~SoundBuffer() { core_->mixer().Remove(voice_.get()); }

HRESULT SoundBuffer::Play(std::int32_t flags) {
  voice_->control.RequestPlay((flags & DSBPLAY_LOOPING) != 0);
  core_->WakeOutput();
  return DS_OK;
}

HRESULT SoundBuffer::Stop() {
  voice_->control.RequestStop();
  return DS_OK;
}

HRESULT SoundBuffer::SetCurrentPosition(std::int32_t position) {
  const std::int64_t bytes = std::int64_t{voice_->frames} * format_.nBlockAlign;
  if (position < 0 || position > bytes) return DSERR_INVALIDPARAM;
  voice_->control.RequestSeek(static_cast<std::uint32_t>(position / format_.nBlockAlign));
  return DS_OK;
}

HRESULT SoundBuffer::SetVolume(std::int32_t volume) {
  return SetLevel(DSBCAPS_CTRLVOLUME, volume, DSBVOLUME_MIN, DSBVOLUME_MAX, &SoundBuffer::volume_);
}

HRESULT SoundBuffer::SetPan(std::int32_t pan) {
  return SetLevel(DSBCAPS_CTRLPAN, pan, DSBPAN_LEFT, DSBPAN_RIGHT, &SoundBuffer::pan_);
}

HRESULT SoundBuffer::GetVolume(std::int32_t& volume) {
  return GetLevel(DSBCAPS_CTRLVOLUME, volume, &SoundBuffer::volume_);
}

HRESULT SoundBuffer::GetPan(std::int32_t& pan) {
  return GetLevel(DSBCAPS_CTRLPAN, pan, &SoundBuffer::pan_);
}

HRESULT SoundBuffer::SetLevel(std::uint32_t capability, std::int32_t value, std::int32_t low,
                              std::int32_t high, std::int32_t SoundBuffer::*level) {
  if (!Has(capability)) return DSERR_CONTROLUNAVAIL;
  if (value < low || value > high) return DSERR_INVALIDPARAM;
  std::lock_guard lock(mutex_);
  this->*level = value;
  voice_->control.gains.store(PackGains(GainsFor(volume_, pan_)), std::memory_order_release);
  return DS_OK;
}

HRESULT SoundBuffer::GetLevel(std::uint32_t capability, std::int32_t& value,
                              std::int32_t SoundBuffer::*level) {
  if (!Has(capability)) return DSERR_CONTROLUNAVAIL;
  std::lock_guard lock(mutex_);
  value = this->*level;
  return DS_OK;
}

HRESULT SoundBuffer::GetCurrentPosition(std::int32_t& position) {
  position = static_cast<std::int32_t>(voice_->control.CurrentFrame() * format_.nBlockAlign);
  return DS_OK;
}

HRESULT SoundBuffer::GetStatus(std::int32_t& status) {
  const std::uint64_t word = voice_->control.word.load();
  status = 0;
  if ((word & control_bits::kPlaying) != 0) {
    status = DSBSTATUS_PLAYING;
    if ((word & control_bits::kLooping) != 0) status |= DSBSTATUS_LOOPING;
  }
  return DS_OK;
}

HRESULT SoundBuffer::GetFormat(WAVEFORMATEX& format) {
  format = format_;
  return DS_OK;
}

}  // namespace ds
