// Start-up through a recording sound device: the calls and their order, and the failure paths.
#include <gtest/gtest.h>

#include "platform/toolkit/CommandButton.h"
#include "tests/doubles/FormHarness.h"

namespace {

using doubles::FormHarness;

const std::string kRecords = ",flags=0xE2,desc=0/0/0/0,format=1/1/44100/88200/2/16/0)";

std::string LoadCall(const std::string& folder, const char* file) {
  return "CreateSoundBufferFromFile(" + folder + file + kRecords;
}

TEST(FormLoad, MakesTheDeviceLoadsTheFourLayersAndLeavesEachStoppedAtItsStart) {
  FormHarness harness;
  ASSERT_FALSE(harness.Start());

  const std::string window = std::to_string(harness.form->hWnd());
  const std::vector<std::string> expected{
      "DirectSoundCreate(\"\")",
      "SetCooperativeLevel(" + window + ",2)",
      LoadCall(harness.folder, "/tester1.wav"),
      LoadCall(harness.folder, "/tester2.wav"),
      LoadCall(harness.folder, "/tester3.wav"),
      LoadCall(harness.folder, "/ms1.wav"),
      "BeatLeft.Stop()",  "BeatLeft.SetCurrentPosition(0)",
      "BeatRight.Stop()", "BeatRight.SetCurrentPosition(0)",
      "Mask.Stop()",      "Mask.SetCurrentPosition(0)",
      "Music.Stop()",     "Music.SetCurrentPosition(0)",
  };
  EXPECT_EQ(harness.log->calls, expected);
  EXPECT_TRUE(harness.messages.empty());
  EXPECT_FALSE(harness.form->PreviewNoticeShown);
  for (const auto& buffer : harness.form->LayerBuffers) EXPECT_NE(buffer, nullptr);
  EXPECT_TRUE(harness.form->isVisible());
  EXPECT_EQ(harness.form->cmdPlay->Caption(), "&Start");
}

TEST(FormLoad, AFolderEndingInASeparatorKeepsBothSeparators) {
  FormHarness harness("/opt/velnoria/");
  ASSERT_FALSE(harness.Start());
  EXPECT_EQ(harness.log->calls.at(2), LoadCall("/opt/velnoria/", "/tester1.wav"));
  EXPECT_NE(harness.log->calls.at(2).find("/opt/velnoria//tester1.wav"), std::string::npos);
}

struct NoDeviceCase {
  const char* name;
  bool rootFails;
  bool createFails;
};

class NoSoundDevice : public ::testing::TestWithParam<NoDeviceCase> {};

TEST_P(NoSoundDevice, ShowsOnlyTheMessageOpensNoFileAndNeverShowsTheWindow) {
  FormHarness harness;
  harness.log->rootFails = GetParam().rootFails;
  if (GetParam().createFails) harness.log->FailWhen("DirectSoundCreate", ds::DSERR_NODRIVER);

  EXPECT_TRUE(harness.Start());

  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].prompt,
            "Unable to start DirectSound. Check to see that your sound card is properly installed.");
  EXPECT_EQ(harness.messages[0].style, 0);
  EXPECT_EQ(harness.messages[0].title, "VelnoriaLM");
  for (const auto& call : harness.log->calls) EXPECT_EQ(call.find("CreateSoundBufferFromFile"), std::string::npos);
  EXPECT_FALSE(harness.form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Cases, NoSoundDevice,
                         ::testing::Values(NoDeviceCase{"RootCannotBeMade", true, false},
                                           NoDeviceCase{"DeviceCannotBeMade", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

class MissingLayer : public ::testing::TestWithParam<int> {};

TEST_P(MissingLayer, NamesThatLayersFullPathTriesNoLaterLayerAndEnds) {
  static const char* const kFiles[] = {"/tester1.wav", "/tester2.wav", "/tester3.wav", "/ms1.wav"};
  const int missing = GetParam();
  FormHarness harness("/home/user/Velnoria Lumetta");
  harness.log->FailWhen("CreateSoundBufferFromFile(" + harness.folder + kFiles[missing], ds::DSERR_BADFORMAT);

  EXPECT_TRUE(harness.Start());

  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.messages[0].prompt,
            QString::fromStdString("Unable to find, please repair installation. " + harness.folder + kFiles[missing]));
  EXPECT_EQ(harness.messages[0].style, 0x10);
  EXPECT_EQ(harness.messages[0].title, "Velnoria Message");
  // DirectSoundCreate, SetCooperativeLevel, then the loads up to the failing one; nothing after.
  ASSERT_EQ(harness.log->calls.size(), 2u + missing + 1u);
  EXPECT_EQ(harness.log->calls.back(), LoadCall(harness.folder, kFiles[missing]));
  EXPECT_FALSE(harness.form->isVisible());
}

INSTANTIATE_TEST_SUITE_P(EachLayer, MissingLayer, ::testing::Range(0, 4));

TEST(FormLoad, ARefusedCooperativeLevelGivesTheRunTimeErrorReportAndOpensNoFile) {
  FormHarness harness;
  harness.log->FailWhen("SetCooperativeLevel", ds::DSERR_INVALIDPARAM);

  EXPECT_TRUE(harness.Start());

  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_TRUE(harness.messages[0].prompt.startsWith("Run-time error '-2147024809 (80070057)':"))
      << harness.messages[0].prompt.toStdString();
  EXPECT_EQ(harness.messages[0].title, "VelnoriaLM");
  EXPECT_EQ(harness.log->calls.size(), 2u);
  EXPECT_FALSE(harness.form->isVisible());
}

TEST(FormLoad, AFailingRewindStopsStartUpAtThatCall) {
  FormHarness harness;
  harness.log->FailWhen("BeatRight.SetCurrentPosition", ds::DSERR_GENERIC);

  EXPECT_TRUE(harness.Start());

  EXPECT_EQ(harness.log->calls.back(), "BeatRight.SetCurrentPosition(0)");
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_TRUE(harness.messages[0].prompt.startsWith("Run-time error '-2147467259 (80004005)':"));
}

}  // namespace
