#include "tests/platform/directsound/TestDevice.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>

namespace dstest {

TestDevice::TestDevice() {
  root_ = ds::MakeDirectX7([this] {
    auto output = std::make_unique<ds::MemoryOutput>();
    output_ = output.get();
    return output;
  });
  const ds::HRESULT status = root_->DirectSoundCreate("", device_);
  if (status != ds::DS_OK || !device_) ADD_FAILURE() << "DirectSoundCreate: " << status;
}

std::shared_ptr<ds::DirectSoundBuffer> TestDevice::Load(const std::vector<float>& samples,
                                                        int channels, std::uint32_t flags) {
  const std::string path = dir_.File("layer" + std::to_string(files_++) + ".wav");
  WriteWav(path, SF_FORMAT_WAV | SF_FORMAT_FLOAT, channels, 44100, samples);
  std::shared_ptr<ds::DirectSoundBuffer> buffer;
  const ds::HRESULT status = LoadFile(path, buffer, flags);
  if (status != ds::DS_OK || !buffer) ADD_FAILURE() << "load " << path << ": " << status;
  return buffer;
}

ds::HRESULT TestDevice::LoadFile(const std::string& path,
                                 std::shared_ptr<ds::DirectSoundBuffer>& buffer,
                                 std::uint32_t flags) {
  ds::DSBUFFERDESC desc;
  desc.dwFlags = flags;
  ds::WAVEFORMATEX format;
  return device_->CreateSoundBufferFromFile(path, desc, format, buffer);
}

float ExpectedGain(int hundredthsDb) {
  if (hundredthsDb <= -10000) return 0.0f;
  return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}

}  // namespace dstest
