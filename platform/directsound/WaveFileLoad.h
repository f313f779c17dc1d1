#pragma once
// A WAVE file on disk made into samples: what a buffer made from that file holds.
#include <string>

#include "platform/directsound/DirectSoundTypes.h"
#include "platform/directsound/WaveDecode.h"

namespace ds {

// The file's status as CreateSoundBufferFromFile gives it: DSERR_GENERIC when it cannot be
// read, DSERR_OUTOFMEMORY when it is too large, else what DecodeWave says. Any thread.
HRESULT LoadWaveFile(const std::string& path, DecodedWave& wave);

}  // namespace ds
