#pragma once
// Reads little-endian fields of the embedded files, failing the test instead of reading past
// the end.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>

namespace assets_test {

class LittleEndian {
 public:
  explicit LittleEndian(std::span<const unsigned char> bytes) : bytes_(bytes) {}

  size_t size() const { return bytes_.size(); }
  std::uint8_t U8(size_t at) const { return InRange(at, 1) ? bytes_[at] : 0; }
  std::uint16_t U16(size_t at) const {
    return InRange(at, 2) ? static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8) : 0;
  }
  std::uint32_t U32(size_t at) const {
    return InRange(at, 4) ? static_cast<std::uint32_t>(U16(at) | std::uint32_t{U16(at + 2)} << 16)
                          : 0;
  }
  std::int32_t I32(size_t at) const { return static_cast<std::int32_t>(U32(at)); }

 private:
  bool InRange(size_t at, size_t length) const {
    const bool inside = at + length <= bytes_.size();
    EXPECT_TRUE(inside) << "read of " << length << " bytes at " << at << " past the end "
                        << bytes_.size();
    return inside;
  }

  std::span<const unsigned char> bytes_;
};

}  // namespace assets_test
