#include "platform/directsound/WaveFileLoad.h"

#include "platform/directsound/WaveFileReader.h"

namespace ds {

HRESULT LoadWaveFile(const std::string& path, DecodedWave& wave) {
  FileBytes file;
  const HRESULT status = ReadWholeFile(path, kMaxWaveFileBytes, file);
  if (Failed(status)) return status;
  return DecodeWave(file.bytes(), wave);
}

}  // namespace ds
