#include "tools/format/WriteFile.h"

#include <cstdio>

namespace fileformat {

std::int32_t WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return -1;
  const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
  const bool closed = std::fclose(file) == 0;
  return written == bytes.size() && closed ? 0 : -1;
}

int WriteOutput(const char* tool, const std::string& path, std::span<const std::uint8_t> bytes) {
  if (WriteFile(path, bytes) == 0) return 0;
  std::fprintf(stderr, "%s: cannot write %s\n", tool, path.c_str());
  return 1;
}

}  // namespace fileformat
