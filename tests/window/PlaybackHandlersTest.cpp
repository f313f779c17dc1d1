// Start and Pause, the mask and music switches, the preview notice and the beats volume,
// through a recording sound device: the exact calls each handler makes for each state.
#include <gtest/gtest.h>

#include <QTest>

#include "platform/statusbar/StatusBar.h"
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CommandButton.h"
#include "platform/toolkit/EventDispatch.h"
#include "platform/toolkit/VScrollBar.h"
#include "tests/doubles/FormHarness.h"

namespace {

using Calls = std::vector<std::string>;

const Calls kBeatsStart{"BeatLeft.SetVolume(-3500)", "BeatRight.SetVolume(-3500)", "BeatLeft.SetPan(-10000)",
                        "BeatRight.SetPan(10000)",   "BeatLeft.Play(1)",           "BeatRight.Play(1)"};
const Calls kMaskStart{"Mask.Play(1)", "Mask.SetPan(0)"};
const Calls kMusicStart{"Music.Play(1)", "Music.SetPan(0)"};
const Calls kStopAll{"BeatLeft.Stop()", "BeatLeft.SetCurrentPosition(0)", "BeatRight.Stop()",
                     "BeatRight.SetCurrentPosition(0)", "Mask.Stop()", "Mask.SetCurrentPosition(0)",
                     "Music.Stop()", "Music.SetCurrentPosition(0)"};

Calls Join(std::initializer_list<Calls> parts) {
  Calls all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// A started window whose log holds only what happens after start-up.
class Loaded : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(harness.Start());
    loadCalls = harness.log->calls.size();
  }
  Calls CallsSinceStart() const { return harness.log->Since(loadCalls); }
  QString StatusText() const { return harness.form->StatusBar1->GetPanels().Item(2).Text(); }
  frmMain& form() { return *harness.form; }

  doubles::FormHarness harness;
  std::size_t loadCalls = 0;
};

struct PlayCase {
  const char* name;
  const char* caption;
  std::int16_t mask;
  std::int16_t music;
  Calls expected;
  const char* captionAfter;
  const char* statusAfter;
};

class PlayButton : public Loaded, public ::testing::WithParamInterface<PlayCase> {};

TEST_P(PlayButton, MakesExactlyTheCallsOfItsPathThenSetsCaptionAndStatus) {
  const auto& c = GetParam();
  form().cmdPlay->SetCaption(QString::fromUtf8(c.caption));
  form().Check1->SetValue(c.mask);
  form().Check2->SetValue(c.music);

  form().cmdPlay->click();

  EXPECT_EQ(CallsSinceStart(), c.expected);
  EXPECT_EQ(form().cmdPlay->Caption(), c.captionAfter);
  EXPECT_EQ(StatusText(), c.statusAfter);
  EXPECT_TRUE(harness.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlayButton,
    ::testing::Values(
        PlayCase{"StartNeitherTicked", "&Start", 0, 0, kBeatsStart, "&Pause", "Playing"},
        PlayCase{"StartMaskTicked", "&Start", 1, 0, Join({kBeatsStart, kMaskStart}), "&Pause", "Playing"},
        PlayCase{"StartMusicTicked", "&Start", 0, 1, Join({kBeatsStart, kMusicStart}), "&Pause", "Playing"},
        PlayCase{"StartBothTicked", "&Start", 1, 1, Join({kBeatsStart, kMaskStart, kMusicStart}), "&Pause", "Playing"},
        PlayCase{"StartGreyedMaskIsNotTicked", "&Start", 2, 1, Join({kBeatsStart, kMusicStart}), "&Pause", "Playing"},
        PlayCase{"StartGreyedMusicIsNotTicked", "&Start", 1, 2, Join({kBeatsStart, kMaskStart}), "&Pause", "Playing"},
        PlayCase{"PauseStopsAndRewindsAll", "&Pause", 1, 1, kStopAll, "&Start", "Ready"},
        PlayCase{"OtherCaseIsNotStart", "&start", 0, 0, kStopAll, "&Start", "Ready"},
        PlayCase{"NoAmpersandIsNotStart", "Start", 0, 0, kStopAll, "&Start", "Ready"},
        PlayCase{"TrailingBlankIsNotStart", "&Start ", 0, 0, kStopAll, "&Start", "Ready"},
        PlayCase{"EmptyCaptionIsNotStart", "", 0, 0, kStopAll, "&Start", "Ready"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Loaded, PanelTwoIsEmptyUntilTheFirstPressAndEveryStartSetsTheSliderVolumeAgain) {
  EXPECT_EQ(StatusText(), "");
  form().VSAmp->SetValue(-1200);
  form().cmdPlay->click();  // start
  form().cmdPlay->click();  // pause
  const std::size_t before = harness.log->calls.size();
  form().cmdPlay->click();  // start again, slider unmoved
  const Calls again = harness.log->Since(before);
  ASSERT_GE(again.size(), 2u);
  EXPECT_EQ(again[0], "BeatLeft.SetVolume(-1200)");
  EXPECT_EQ(again[1], "BeatRight.SetVolume(-1200)");
}

struct SwitchCase {
  const char* name;
  const char* caption;
  std::int16_t value;
  bool starts;  // Play then centre; otherwise only Stop
};

const SwitchCase kSwitchCases[] = {
    {"PlayingTicked", "&Pause", 1, true},    {"PlayingUnticked", "&Pause", 0, false},
    {"PlayingGreyed", "&Pause", 2, false},   {"StoppedTicked", "&Start", 1, false},
    {"StoppedUnticked", "&Start", 0, false}, {"OtherCasePause", "&pause", 1, false},
    {"NoAmpersandPause", "Pause", 1, false}, {"EmptyCaption", "", 1, false},
};

Calls SwitchCalls(const std::string& layer, bool starts) {
  return starts ? Calls{layer + ".Play(1)", layer + ".SetPan(0)"} : Calls{layer + ".Stop()"};
}

class MaskSwitch : public Loaded, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(MaskSwitch, StartsCentredOnlyWhenPlayingAndTickedOtherwiseStopsWithoutRewind) {
  const auto& c = GetParam();
  form().cmdPlay->SetCaption(QString::fromUtf8(c.caption));
  form().Check1->SetValue(c.value);
  tk::Dispatch([this] { form().Check1_Click(); });
  EXPECT_EQ(CallsSinceStart(), SwitchCalls("Mask", c.starts));
  EXPECT_EQ(form().cmdPlay->Caption(), c.caption);
  EXPECT_EQ(StatusText(), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, MaskSwitch, ::testing::ValuesIn(kSwitchCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct MusicCase {
  SwitchCase state;
  bool noticeShown;
};

class MusicSwitch : public Loaded, public ::testing::WithParamInterface<MusicCase> {};

TEST_P(MusicSwitch, ShowsTheNoticeOnlyWhileNotYetShownThenSwitchesLikeTheMask) {
  const auto& c = GetParam();
  form().PreviewNoticeShown = c.noticeShown;
  form().cmdPlay->SetCaption(QString::fromUtf8(c.state.caption));
  form().Check2->SetValue(c.state.value);

  tk::Dispatch([this] { form().Check2_Click(); });

  EXPECT_EQ(CallsSinceStart(), SwitchCalls("Music", c.state.starts));
  EXPECT_TRUE(form().PreviewNoticeShown);
  if (c.noticeShown) {
    EXPECT_TRUE(harness.messages.empty());
  } else {
    ASSERT_EQ(harness.messages.size(), 1u);
    EXPECT_EQ(harness.messages[0].prompt,
              "This is a early preview of the next version, it's just for testing purposes");
    EXPECT_EQ(harness.messages[0].style, 0x40);
    EXPECT_EQ(harness.messages[0].title, "Velnoria Lumetta 1.1");
  }
}

std::vector<MusicCase> MusicCases() {
  std::vector<MusicCase> cases;
  for (const auto& state : kSwitchCases) {
    for (bool shown : {false, true}) cases.push_back({state, shown});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Cases, MusicSwitch, ::testing::ValuesIn(MusicCases()), [](const auto& info) {
  return std::string(info.param.state.name) + (info.param.noticeShown ? "NoticeShown" : "NoticeNotShown");
});

TEST_F(Loaded, TheNoticeComesBeforeTheBoxAndCaptionAreReadAndOnlyOncePerRun) {
  form().cmdPlay->click();  // playing
  const std::size_t before = harness.log->calls.size();
  // While the notice is up, nothing is called on any layer (playing layers go on), and
  // the state read afterwards is the state of the moment the notice closes.
  harness.whileShown = [&](const doubles::ShownMessage&) {
    EXPECT_EQ(harness.log->calls.size(), before);
    form().Check2->SetValue(tk::vbChecked);
  };
  form().Check2->SetValue(tk::vbUnchecked);
  tk::Dispatch([this] { form().Check2_Click(); });
  EXPECT_EQ(harness.log->Since(before), Calls({"Music.Play(1)", "Music.SetPan(0)"}));
  ASSERT_EQ(harness.messages.size(), 1u);

  form().Check2->click();  // unticks: no notice this time
  form().Check2->click();  // ticks again
  EXPECT_EQ(harness.messages.size(), 1u);
  EXPECT_EQ(harness.log->Since(before),
            Calls({"Music.Play(1)", "Music.SetPan(0)", "Music.Stop()", "Music.Play(1)", "Music.SetPan(0)"}));
}

TEST_F(Loaded, AClickOnTheBoxRunsItsHandlerWithTheNewValueForMouseAndKeyboard) {
  form().cmdPlay->click();
  const std::size_t before = harness.log->calls.size();
  QTest::mouseClick(form().Check1, Qt::LeftButton);  // ticks
  QTest::keyClick(form().Check1, Qt::Key_Space);     // unticks
  EXPECT_EQ(harness.log->Since(before), Calls({"Mask.Play(1)", "Mask.SetPan(0)", "Mask.Stop()"}));
  EXPECT_EQ(form().Check1->Value(), 0);
}

TEST_F(Loaded, AltSPressesStart) {
  form().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  QTest::keyClick(&form(), Qt::Key_S, Qt::AltModifier);
  QTest::qWait(300);  // an access key presses the button visibly, then clicks it
  EXPECT_EQ(form().cmdPlay->Caption(), "&Pause");
}

struct VolumeCase {
  const char* caption;
  std::int16_t value;
};

class BeatsVolume : public Loaded, public ::testing::WithParamInterface<VolumeCase> {};

TEST_P(BeatsVolume, GivesTheSliderValueUnchangedToBothBeatsAndNothingElse) {
  form().cmdPlay->SetCaption(QString::fromUtf8(GetParam().caption));
  form().VSAmp->SetValue(GetParam().value);
  tk::Dispatch([this] { form().VSAmp_Change(); });
  const std::string v = std::to_string(GetParam().value);
  EXPECT_EQ(CallsSinceStart(), Calls({"BeatLeft.SetVolume(" + v + ")", "BeatRight.SetVolume(" + v + ")"}));
}

INSTANTIATE_TEST_SUITE_P(Values, BeatsVolume,
                         ::testing::Values(VolumeCase{"&Start", -3500}, VolumeCase{"&Pause", -3500},
                                           VolumeCase{"&Start", 0}, VolumeCase{"&Pause", -5000},
                                           VolumeCase{"&Start", -1}));

TEST_F(Loaded, MovingTheSliderRaisesChangeWithTheNewValue) {
  form().VSAmp->triggerAction(QAbstractSlider::SliderPageStepSub);  // a click in the track above the thumb
  EXPECT_EQ(CallsSinceStart(), Calls({"BeatLeft.SetVolume(-1500)", "BeatRight.SetVolume(-1500)"}));
}

struct FailureCase {
  const char* name;
  const char* caption;
  std::int16_t mask;
  const char* failing;
  std::function<void(frmMain&)> act;
  Calls expected;
  const char* captionAfter;
};

class FailingCall : public Loaded, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailingCall, EndsTheProgramThroughTheReportLeavingWhatWasDoneAsItIs) {
  const auto& c = GetParam();
  form().cmdPlay->SetCaption(QString::fromUtf8(c.caption));
  form().Check1->SetValue(c.mask);
  form().PreviewNoticeShown = true;
  harness.log->FailWhen(c.failing, ds::DSERR_INVALIDPARAM);

  EXPECT_TRUE(harness.Ends([&] { c.act(form()); }));

  EXPECT_EQ(CallsSinceStart(), c.expected);
  ASSERT_EQ(harness.messages.size(), 1u);
  EXPECT_TRUE(harness.messages[0].prompt.startsWith("Run-time error '-2147024809 (80070057)':"));
  EXPECT_EQ(harness.messages[0].style, 0x10);
  EXPECT_EQ(harness.messages[0].title, "VelnoriaLM");
  EXPECT_EQ(form().cmdPlay->Caption(), c.captionAfter);
}

// Each enters its handler as its event would, through the dispatch; the program's end then
// leaves the dispatch as an exception, which must not unwind through Qt's own frames.
void ClickPlay(frmMain& f) { tk::Dispatch([&] { f.cmdPlay_Click(); }); }
void ClickMask(frmMain& f) { tk::Dispatch([&] { f.Check1_Click(); }); }
void ClickMusic(frmMain& f) { tk::Dispatch([&] { f.Check2_Click(); }); }
void MoveSlider(frmMain& f) {
  f.VSAmp->SetValue(-3501);
  tk::Dispatch([&] { f.VSAmp_Change(); });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingCall,
    ::testing::Values(
        FailureCase{"VolumeOnBeatLeftAtStart", "&Start", 1, "BeatLeft.SetVolume", ClickPlay,
                    {"BeatLeft.SetVolume(-3500)"}, "&Start"},
        FailureCase{"PlayOfBeatRight", "&Start", 1, "BeatRight.Play", ClickPlay,
                    {"BeatLeft.SetVolume(-3500)", "BeatRight.SetVolume(-3500)", "BeatLeft.SetPan(-10000)",
                     "BeatRight.SetPan(10000)", "BeatLeft.Play(1)", "BeatRight.Play(1)"},
                    "&Start"},
        FailureCase{"PanOfMaskAtStart", "&Start", 1, "Mask.SetPan", ClickPlay,
                    Join({kBeatsStart, kMaskStart}), "&Start"},
        FailureCase{"StopOfMaskAtPause", "&Pause", 0, "Mask.Stop", ClickPlay,
                    {"BeatLeft.Stop()", "BeatLeft.SetCurrentPosition(0)", "BeatRight.Stop()",
                     "BeatRight.SetCurrentPosition(0)", "Mask.Stop()"},
                    "&Start"},
        FailureCase{"PlayOfMaskFromItsBox", "&Pause", 1, "Mask.Play", ClickMask, {"Mask.Play(1)"}, "&Pause"},
        FailureCase{"StopOfMusicFromItsBox", "&Start", 0, "Music.Stop", ClickMusic, {"Music.Stop()"}, "&Start"},
        FailureCase{"VolumeOnBeatLeftFromTheSlider", "&Start", 0, "BeatLeft.SetVolume", MoveSlider,
                    {"BeatLeft.SetVolume(-3501)"}, "&Start"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
