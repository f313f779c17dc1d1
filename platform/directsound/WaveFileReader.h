#pragma once
// Reads a whole file into memory, refusing anything that is not a plain regular file before
// reading a byte of it: directories, FIFOs (never blocks on one), devices, sockets.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/directsound/DirectSoundTypes.h"

namespace ds {

// Room for a WAVE file's chunks beside its sample data.
inline constexpr std::uint64_t kWaveHeaderRoom = 1u << 20;
// The largest WAVE file read at all: a buffer at the size limit plus header room.
inline constexpr std::uint64_t kMaxWaveFileBytes = DSBSIZE_MAX + kWaveHeaderRoom;

// The bytes read from a file: the first `size` of `data`, which is never cleared first.
struct FileBytes {
  std::unique_ptr<std::byte[]> data;
  std::size_t size = 0;

  std::span<const std::byte> bytes() const { return {data.get(), size}; }
};

// DSERR_GENERIC when the path cannot be opened or read or is not a regular file;
// DSERR_OUTOFMEMORY, without reading, when it is larger than `maxBytes`. Any thread.
HRESULT ReadWholeFile(const std::string& path, std::uint64_t maxBytes, FileBytes& file);

}  // namespace ds
