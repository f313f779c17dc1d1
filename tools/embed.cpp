// Turns a file into a C++ source that returns its bytes from a function of namespace assets,
// so the program carries the file inside itself.
//   embed bytes FUNCTION INPUT OUTPUT.cpp   -> std::span<const unsigned char> FUNCTION()
//   embed text  FUNCTION INPUT OUTPUT.cpp   -> std::string_view FUNCTION()
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tools/format/WriteFile.h"

namespace {

std::string Source(const std::string& kind, const std::string& function, const std::string& input,
                   const std::vector<unsigned char>& bytes) {
  std::ostringstream out;
  out << "// Generated from " << input << " by tools/embed; do not edit.\n"
      << "#include \"assets/Assets.h\"\n\n"
      << "namespace assets {\n\nnamespace {\n\n"
      // Aligned so that 32-bit pixels are read where they lie.
      << "alignas(16) constexpr unsigned char kBytes[" << bytes.size() + 1 << "] = {";
  for (size_t i = 0; i < bytes.size(); ++i)
    out << (i % 24 == 0 ? "\n" : "") << int(bytes[i]) << ',';
  // A trailing zero keeps an empty file a valid array; it is not part of the content.
  out << "0};\n\n}  // namespace\n\n";
  if (kind == "text")
    out << "std::string_view " << function << "() {\n"
        << "  return {reinterpret_cast<const char*>(kBytes), " << bytes.size() << "};\n}\n";
  else
    out << "std::span<const unsigned char> " << function << "() { return {kBytes, " << bytes.size()
        << "}; }\n";
  out << "\n}  // namespace assets\n";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5 || (std::string(argv[1]) != "bytes" && std::string(argv[1]) != "text")) {
    std::fprintf(stderr, "usage: embed bytes|text FUNCTION INPUT OUTPUT.cpp\n");
    return 2;
  }
  std::ifstream in(argv[3], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "embed: cannot read %s\n", argv[3]);
    return 1;
  }
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  const std::string input = std::string(argv[3]).substr(std::string(argv[3]).find_last_of('/') + 1);
  const std::string source = Source(argv[1], argv[2], input, bytes);
  return fileformat::WriteOutput(
      "embed", argv[4], {reinterpret_cast<const std::uint8_t*>(source.data()), source.size()});
}
