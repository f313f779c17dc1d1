#pragma once
// Layer files for measurements, written once into a temporary folder.
#include <string>

namespace dsbench {

// Writes a 16-bit 44100 Hz WAVE file of `seconds` of a tone and returns its path.
std::string WriteToneFile(const std::string& name, int channels, double seconds, double hertz);

}  // namespace dsbench
