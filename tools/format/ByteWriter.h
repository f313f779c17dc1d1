#pragma once
// Appends little-endian fields to a byte buffer, the byte order of every file format here.
// Any thread; one writer is used by one thread at a time.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace fileformat {

class ByteWriter {
 public:
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void Text(std::string_view s) {
    for (char c : s) U8(static_cast<std::uint8_t>(c));
  }
  void Bytes(std::span<const std::uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
  // Zero bytes up to the next multiple of four, counted from `rowStart`.
  void PadToFour(size_t rowStart) {
    while ((bytes_.size() - rowStart) % 4 != 0) U8(0);
  }

  size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace fileformat
