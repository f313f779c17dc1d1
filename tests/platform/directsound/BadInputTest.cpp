// Files a buffer cannot be made from: each gives a failing status, no buffer, untouched
// records, and never a crash or a hang.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <cstring>
#include <fstream>
#include <functional>

#include "platform/directsound/WaveDecode.h"
#include "platform/directsound/WaveFileReader.h"
#include "tests/platform/directsound/TestDevice.h"

namespace dstest {
namespace {

using ds::DSERR_BADFORMAT;
using ds::DSERR_GENERIC;
using ds::DSERR_OUTOFMEMORY;

constexpr std::uint32_t kUntouchedBytes = 0xDEADBEEF;

std::vector<std::byte> ValidWave() {
  RiffWave riff;
  riff.data.assign(400, std::byte{0x10});
  riff.claimedDataBytes = 400;
  return Bytes(riff);
}

// A sparse file of `size` bytes that starts with `header`.
void WriteSparse(const std::string& path, const std::vector<std::byte>& header, off_t size) {
  WriteBytes(path, header);
  if (::truncate(path.c_str(), size) != 0) FAIL() << "truncate " << path;
}

// The 8-bit mono header at 1000 Hz: every byte of data is a frame that becomes 44.1 frames.
RiffWave LowRateHeaderClaimingHugeData() {
  RiffWave riff;
  riff.rate = 1000;
  riff.bits = 8;
  riff.claimedDataBytes = 0xFFFFFFF0u;
  return riff;
}

constexpr off_t kHugeClaimFileBytes = 16 << 20;  // 16 MiB of file → 705 MB of buffer

struct BadInput {
  const char* name;
  std::function<std::string(const TempDir&)> make;  // returns the path to load
  ds::HRESULT status;
};
void PrintTo(const BadInput& c, std::ostream* os) { *os << c.name; }

std::string Named(const TempDir& dir) { return dir.File("tester1.wav"); }

std::string WithBytes(const TempDir& dir, const std::vector<std::byte>& bytes) {
  WriteBytes(Named(dir), bytes);
  return Named(dir);
}

std::string Riff(const TempDir& dir, RiffWave riff) { return WithBytes(dir, Bytes(riff)); }

// A hand-made header with 400 bytes of data, changed by `change`.
std::string RiffWithData(const TempDir& dir, void (*change)(RiffWave&)) {
  RiffWave riff;
  riff.data.assign(400, std::byte{1});
  riff.claimedDataBytes = 400;
  change(riff);
  return Riff(dir, riff);
}

template <typename Sample>
std::string Written(const TempDir& dir, int format, int channels, std::vector<Sample> samples) {
  WriteWav(Named(dir), format, channels, 44100, samples);
  return Named(dir);
}

std::string Symlink(const TempDir& dir, const std::string& target) {
  if (::symlink(target.c_str(), Named(dir).c_str()) != 0) ADD_FAILURE() << "symlink";
  return Named(dir);
}

const BadInput kBadInputs[] = {
    {"MissingFile", [](const TempDir& d) { return Named(d); }, DSERR_GENERIC},
    {"EmptyFile", [](const TempDir& d) { return WithBytes(d, {}); }, DSERR_BADFORMAT},
    {"TruncatedHeader",
     [](const TempDir& d) {
       auto bytes = ValidWave();
       bytes.resize(30);  // inside the "fmt " chunk
       return WithBytes(d, bytes);
     },
     DSERR_BADFORMAT},
    {"NoSamples",
     [](const TempDir& d) { return Riff(d, RiffWave{}); }, DSERR_BADFORMAT},
    {"NotAWaveAtAll",
     [](const TempDir& d) {
       const char text[] = "just some words, not a sound file at all";
       std::vector<std::byte> bytes(sizeof text);
       std::memcpy(bytes.data(), text, sizeof text);
       return WithBytes(d, bytes);
     },
     DSERR_BADFORMAT},
    {"UnknownFormatTag",
     [](const TempDir& d) { return RiffWithData(d, [](RiffWave& r) { r.tag = 0x1234; }); },
     DSERR_BADFORMAT},
    {"ZeroChannels",
     [](const TempDir& d) { return RiffWithData(d, [](RiffWave& r) { r.channels = 0; }); },
     DSERR_BADFORMAT},
    {"ZeroRate",
     [](const TempDir& d) { return RiffWithData(d, [](RiffWave& r) { r.rate = 0; }); },
     DSERR_BADFORMAT},
    {"ThreeChannels",
     [](const TempDir& d) {
       return Written(d, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 3, std::vector<short>(300, 1000));
     },
     DSERR_BADFORMAT},
    {"MuLawCodec",
     [](const TempDir& d) {
       return Written(d, SF_FORMAT_WAV | SF_FORMAT_ULAW, 1, std::vector<short>(300, 1000));
     },
     DSERR_BADFORMAT},
    {"AiffNotWave",
     [](const TempDir& d) {
       return Written(d, SF_FORMAT_AIFF | SF_FORMAT_PCM_16, 1, std::vector<short>(300, 1000));
     },
     DSERR_BADFORMAT},
    {"DirectoryNamedLikeALayer",
     [](const TempDir& d) {
       ::mkdir(Named(d).c_str(), 0755);
       return Named(d);
     },
     DSERR_GENERIC},
    {"FifoNamedLikeALayer",
     [](const TempDir& d) {
       if (::mkfifo(Named(d).c_str(), 0644) != 0) ADD_FAILURE() << "mkfifo";
       return Named(d);
     },
     DSERR_GENERIC},
    {"Socket",
     [](const TempDir& d) {
       const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
       sockaddr_un address{};
       address.sun_family = AF_UNIX;
       std::strncpy(address.sun_path, Named(d).c_str(), sizeof address.sun_path - 1);
       if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
         ADD_FAILURE() << "bind";
       }
       ::close(fd);
       return Named(d);
     },
     DSERR_GENERIC},
    {"DevZero", [](const TempDir&) { return std::string("/dev/zero"); }, DSERR_GENERIC},
    {"SymlinkToDevZero", [](const TempDir& d) { return Symlink(d, "/dev/zero"); }, DSERR_GENERIC},
    {"SymlinkToDevUrandom", [](const TempDir& d) { return Symlink(d, "/dev/urandom"); },
     DSERR_GENERIC},
    {"SymlinkLoop",
     [](const TempDir& d) {
       ::symlink(d.File("other.wav").c_str(), Named(d).c_str());
       ::symlink(Named(d).c_str(), d.File("other.wav").c_str());
       return Named(d);
     },
     DSERR_GENERIC},
    {"FileLargerThanTheLimit",
     [](const TempDir& d) {
       WriteSparse(Named(d), ValidWave(), static_cast<off_t>(ds::kMaxWaveFileBytes + 1));
       return Named(d);
     },
     DSERR_OUTOFMEMORY},
    {"SparseFileOfSeveralGigabytes",
     [](const TempDir& d) {
       WriteSparse(Named(d), ValidWave(), off_t{6} << 30);
       return Named(d);
     },
     DSERR_OUTOFMEMORY},
    {"DanglingSymlink", [](const TempDir& d) { return Symlink(d, d.File("gone.wav")); },
     DSERR_GENERIC},
    {"HeaderClaimingMoreThanTheLimit",
     [](const TempDir& d) {
       WriteSparse(Named(d), Bytes(LowRateHeaderClaimingHugeData()), kHugeClaimFileBytes);
       return Named(d);
     },
     DSERR_OUTOFMEMORY},
};

class BadInputTest : public ::testing::TestWithParam<BadInput> {
 protected:
  TestDevice device_;
};

TEST_P(BadInputTest, FailsWithNoBufferAndUntouchedRecords) {
  const std::string path = GetParam().make(device_.dir());
  ds::DSBUFFERDESC desc;
  desc.dwFlags = kAllControls;
  desc.dwBufferBytes = kUntouchedBytes;
  ds::WAVEFORMATEX format;
  format.nSamplesPerSec = 12345;
  std::shared_ptr<ds::DirectSoundBuffer> buffer;
  EXPECT_EQ(device_.device().CreateSoundBufferFromFile(path, desc, format, buffer),
            GetParam().status);
  EXPECT_FALSE(buffer);
  EXPECT_EQ(desc.dwBufferBytes, kUntouchedBytes);
  EXPECT_EQ(format.nSamplesPerSec, 12345u);
  EXPECT_EQ(format.wFormatTag, 0);
}

INSTANTIATE_TEST_SUITE_P(Files, BadInputTest, ::testing::ValuesIn(kBadInputs),
                         [](const auto& info) { return std::string(info.param.name); });

// Files that load, but whose samples would leave the range every buffer keeps to, once
// limited and converted to the device rate. The first was found by fuzzing: a float file at
// an odd rate whose limited samples rang past the limit in the rate converter.
struct LoudInput {
  const char* name;
  int rate;
  int channels;
  std::vector<float> samples;
};
void PrintTo(const LoudInput& c, std::ostream* os) { *os << c.name; }

std::vector<float> Square(std::size_t samples, float level, std::size_t halfPeriod) {
  std::vector<float> out(samples);
  for (std::size_t i = 0; i < samples; ++i) out[i] = (i / halfPeriod) % 2 == 0 ? level : -level;
  return out;
}

std::vector<float> NonFiniteBursts(std::size_t samples) {
  std::vector<float> out = Square(samples, 1e30f, 3);
  for (std::size_t i = 0; i < samples; i += 7) out[i] = std::numeric_limits<float>::quiet_NaN();
  for (std::size_t i = 3; i < samples; i += 11) out[i] = std::numeric_limits<float>::infinity();
  return out;
}

class LoudInputTest : public ::testing::TestWithParam<LoudInput> {};

TEST_P(LoudInputTest, LoadsWithEverySampleFiniteAndWithinTheLimit) {
  const LoudInput& c = GetParam();
  TempDir dir;
  WriteWav(Named(dir), SF_FORMAT_WAV | SF_FORMAT_FLOAT, c.channels, c.rate, c.samples);
  ds::DecodedWave wave;
  ASSERT_EQ(ds::DecodeWave(ReadBytes(Named(dir)), wave), ds::DS_OK);
  ASSERT_FALSE(wave.samples.empty());
  float loudest = 0.0f;
  for (const float sample : wave.samples) {
    ASSERT_TRUE(std::isfinite(sample));
    loudest = std::max(loudest, std::fabs(sample));
  }
  EXPECT_LE(loudest, ds::kMaxSampleMagnitude);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoudInputTest,
    ::testing::Values(LoudInput{"SquareAtTheLimitAtAnOddRate", 42564, 1, Square(600, 1000.0f, 1)},
                      LoudInput{"StereoSquareUpFromALowRate", 8000, 2, Square(800, 64.0f, 2)},
                      LoudInput{"NonFiniteBurstsDownFromAHighRate", 96000, 1,
                                NonFiniteBursts(900)}),
    [](const auto& info) { return std::string(info.param.name); });

// Peak resident memory in KiB since the last reset, and the reset itself.
long StatusKib(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
  }
  return -1;
}

bool ResetPeakMemory() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

// A refused oversize file costs next to no memory: neither the file nor a buffer for it is
// ever allocated.
struct OversizeCase {
  const char* name;
  std::vector<std::byte> header;
  off_t fileBytes;
  long allowedKib;  // what reading the file in may cost, plus room for the test itself
};
void PrintTo(const OversizeCase& c, std::ostream* os) { *os << c.name; }

class OversizeMemoryTest : public ::testing::TestWithParam<OversizeCase> {
 protected:
  TestDevice device_;
};

#if defined(__SANITIZE_THREAD__)
constexpr bool kShadowedMemory = true;  // ThreadSanitizer maps shadow for every page touched
#else
constexpr bool kShadowedMemory = false;
#endif

TEST_P(OversizeMemoryTest, IsRefusedWithoutAllocating) {
  if (kShadowedMemory) GTEST_SKIP() << "resident memory is not the program's own here";
  const OversizeCase& c = GetParam();
  const std::string path = Named(device_.dir());
  WriteSparse(path, c.header, c.fileBytes);
  if (!ResetPeakMemory()) GTEST_SKIP() << "cannot reset peak memory on this kernel";
  const long before = StatusKib("VmRSS:");
  std::shared_ptr<ds::DirectSoundBuffer> buffer;
  EXPECT_EQ(device_.LoadFile(path, buffer), DSERR_OUTOFMEMORY);
  const long grown = StatusKib("VmHWM:") - before;
  EXPECT_LT(grown, c.allowedKib) << "peak memory grew by " << grown << " KiB";
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, OversizeMemoryTest,
    ::testing::Values(
        // 257 MiB of file, refused from its size: nothing read.
        OversizeCase{"FileOverTheLimit", ValidWave(),
                     static_cast<off_t>(ds::kMaxWaveFileBytes + 1), 16 << 10},
        // 16 MiB read in; decoding it would take 64 MiB more, and 2.8 GB once resampled.
        OversizeCase{"HeaderClaimOverTheLimit", Bytes(LowRateHeaderClaimingHugeData()),
                     kHugeClaimFileBytes, (16 + 24) << 10}),
    [](const auto& info) { return std::string(info.param.name); });

// Root reads any file whatever its mode, so as root the load runs in a child that has given
// up root first.
TEST(UnreadableFileTest, FailsCleanly) {
  TempDir dir;
  ::chmod(dir.path().c_str(), 0755);
  const std::string path = Named(dir);
  WriteBytes(path, ValidWave());
  ASSERT_EQ(::chmod(path.c_str(), 0), 0);
  auto load = [&path] {
    TestDevice device;
    std::shared_ptr<ds::DirectSoundBuffer> buffer;
    return device.LoadFile(path, buffer) == DSERR_GENERIC && !buffer;
  };
  if (::geteuid() != 0) {
    EXPECT_TRUE(load());
    return;
  }
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
    ::_exit(!dropped ? 2 : load() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "cannot give up root here";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the unreadable file was not refused as unreadable";
}

}  // namespace
}  // namespace dstest
