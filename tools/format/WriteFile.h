#pragma once
// Writes a generated file in one go.
// Any thread: every function here works only on its arguments.
#include <cstdint>
#include <span>
#include <string>

namespace fileformat {

// 0 when the whole file was written, below zero when it could not be.
std::int32_t WriteFile(const std::string& path, std::span<const std::uint8_t> bytes);

// For a generator's main(): writes the file, or says on stderr which `tool` could not.
// Returns the process exit code, 0 when written.
int WriteOutput(const char* tool, const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace fileformat
