// The whole start-up, with the real sound device on an in-memory output, in folders users
// make: from any of them the four layers load and no message shows; a layer there that is
// no sound file at all ends start-up in the layer message naming its exact path.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

#include <tuple>

#include "platform/directsound/DirectSound.h"
#include "platform/directsound/MemoryOutput.h"
#include "tests/doubles/FormHarness.h"
#include "tests/platform/directsound/HostilePaths.h"

namespace {

using dstest::HostileFolder;
using dstest::TempDir;

const char* const kLayers[] = {"/tester1.wav", "/tester2.wav", "/tester3.wav", "/ms1.wav"};

frmMain::RootMaker InMemorySound() {
  return [](std::shared_ptr<ds::DirectX7>& root) {
    root = ds::MakeDirectX7([] { return std::make_unique<ds::MemoryOutput>(); });
    return ds::DS_OK;
  };
}

// The four layers, short and valid, in `folder`.
void Install(const TempDir& scratch, const std::string& folder) {
  const std::string sound = scratch.File("layer.wav");
  dstest::WriteWav(sound, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 44100, std::vector<short>(441, 900));
  const auto bytes = dstest::ReadBytes(sound);
  for (const char* layer : kLayers) dstest::WriteBytes(folder + layer, bytes);
}

struct HostileLayer {
  const char* name;
  void (*replace)(const std::string& path);
};

void Link(const std::string& path, const std::string& target) {
  if (::symlink(target.c_str(), path.c_str()) != 0) ADD_FAILURE() << "symlink " << path;
}

const HostileLayer kHostileLayers[] = {
    {"SymlinkLoop", [](const std::string& p) { Link(p, p); }},
    {"LinkToDevZero", [](const std::string& p) { Link(p, "/dev/zero"); }},
    {"LinkToDevUrandom", [](const std::string& p) { Link(p, "/dev/urandom"); }},
    {"Fifo", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
    {"SparseSixGigabytes",
     [](const std::string& p) {
       dstest::WriteBytes(p, {});
       ASSERT_EQ(::truncate(p.c_str(), off_t{6} << 30), 0);
     }},
    {"Folder", [](const std::string& p) { ASSERT_EQ(::mkdir(p.c_str(), 0755), 0); }},
};

class HostileInstall : public ::testing::TestWithParam<HostileFolder> {};

TEST_P(HostileInstall, AllFourLayersLoadAndNoMessageShows) {
  TempDir scratch;
  const std::string folder = GetParam().make(scratch);
  Install(scratch, folder);
  doubles::FormHarness harness(folder, InMemorySound());
  ASSERT_FALSE(harness.Start());
  EXPECT_TRUE(harness.messages.empty());
  for (const auto& buffer : harness.form->LayerBuffers) EXPECT_NE(buffer, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Folders, HostileInstall, ::testing::ValuesIn(dstest::HostileFolders()),
                         [](const auto& info) { return std::string(info.param.name); });

class HostileLayerFile
    : public ::testing::TestWithParam<std::tuple<HostileFolder, HostileLayer, int>> {};

TEST_P(HostileLayerFile, EndsInTheLayerMessageNamingItsExactPath) {
  const auto& [where, what, layer] = GetParam();
  TempDir scratch;
  const std::string folder = where.make(scratch);
  Install(scratch, folder);
  const std::string path = folder + kLayers[layer];
  ASSERT_EQ(::unlink(path.c_str()), 0);
  what.replace(path);

  doubles::FormHarness harness(folder, InMemorySound());
  EXPECT_TRUE(harness.Start());
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].prompt,
            "Unable to find, please repair installation. " + QFile::decodeName(path.c_str()));
  EXPECT_EQ(harness.messages[0].title, "Velnoria Message");
  EXPECT_EQ(harness.messages[0].style, 0x10);
  EXPECT_FALSE(harness.form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    FoldersAndFiles, HostileLayerFile,
    ::testing::Combine(::testing::ValuesIn(dstest::HostileFolders()),
                       ::testing::ValuesIn(kHostileLayers), ::testing::Values(0, 3)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name +
             "_Layer" + std::to_string(std::get<2>(info.param));
    });

}  // namespace
