// Reading a whole file: exactly the bytes there, however many, and no more than were read
// when the file gives fewer than its size said; the storage they land in is never cleared,
// so whatever was not read must not be handed on.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <functional>

#include "platform/directsound/WaveFileReader.h"
#include "tests/platform/directsound/WavFixtures.h"

namespace dstest {
namespace {

// Bytes that differ from their neighbours and from a zeroed page.
std::vector<std::byte> Pattern(std::size_t size) {
  std::vector<std::byte> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::byte>(i * 131 + 7);
  return bytes;
}

struct ReadCase {
  const char* name;
  // Returns the path to read, or "" when this system has no such file.
  std::function<std::string(const TempDir&)> make;
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

std::function<std::string(const TempDir&)> Written(std::size_t size) {
  return [size](const TempDir& dir) {
    WriteBytes(dir.File("tester1.wav"), Pattern(size));
    return dir.File("tester1.wav");
  };
}

// A kernel attribute: a regular file whose size says a page, holding a few bytes.
std::string ShorterThanItsSize(const TempDir&) {
  const std::string path = "/sys/devices/system/cpu/possible";
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return "";
  const auto held = ReadBytes(path).size();
  return held > 0 && static_cast<std::size_t>(info.st_size) > held ? path : "";
}

const ReadCase kReadCases[] = {
    {"Empty", Written(0)},
    {"OneByte", Written(1)},
    {"JustUnderAPage", Written(4095)},
    {"APage", Written(4096)},
    {"JustOverAPage", Written(4097)},
    {"SeveralMegabytes", Written((3u << 20) + 5)},
    {"ShorterThanItsSize", ShorterThanItsSize},
};

class FileReaderTest : public ::testing::TestWithParam<ReadCase> {
 protected:
  TempDir dir_;
};

TEST_P(FileReaderTest, GivesExactlyTheBytesThere) {
  const std::string path = GetParam().make(dir_);
  if (path.empty()) GTEST_SKIP() << "no such file on this system";
  const std::vector<std::byte> expected = ReadBytes(path);
  ds::FileBytes file;
  ASSERT_EQ(ds::ReadWholeFile(path, ds::kMaxWaveFileBytes, file), ds::DS_OK);
  const auto read = file.bytes();
  ASSERT_EQ(read.size(), expected.size());
  EXPECT_TRUE(std::equal(read.begin(), read.end(), expected.begin()));
}

INSTANTIATE_TEST_SUITE_P(Files, FileReaderTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dstest
