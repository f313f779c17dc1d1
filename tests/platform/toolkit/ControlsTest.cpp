// The toolkit's controls keep the event order handlers rely on: Click after the value has
// changed, Change only once a thumb drag ends, captions read back with their "&".
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CommandButton.h"
#include "platform/toolkit/VScrollBar.h"

namespace {

TEST(CheckBox, ClickComesAfterTheValueHasChangedForMouseAndKeyboard) {
  QWidget parent;
  tk::CheckBox box(&parent);
  box.setText("Yes, use mask sound");
  box.setGeometry(0, 0, 129, 25);
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  box.setFocus();
  std::vector<int> seen;
  QObject::connect(&box, &tk::CheckBox::Click, [&] { seen.push_back(box.Value()); });

  QTest::mouseClick(&box, Qt::LeftButton);
  QTest::keyClick(&box, Qt::Key_Space);
  box.SetValue(tk::vbGrayed);  // code does not raise Click
  EXPECT_EQ(box.Value(), 2);
  QTest::mouseClick(&box, Qt::LeftButton);  // a greyed box becomes ticked

  EXPECT_EQ(seen, (std::vector<int>{1, 0, 1}));
}

struct DragCase {
  const char* name;
  std::function<void(tk::VScrollBar&)> act;
  std::vector<int> changes;
};

class ScrollBarChange : public ::testing::TestWithParam<DragCase> {};

TEST_P(ScrollBarChange, ComesAfterTheValueHasChangedAndOnlyAtTheEndOfADrag) {
  QWidget parent;
  tk::VScrollBar bar(&parent);
  bar.SetRange(0, -5000);
  bar.SetSteps(1, 2000);
  bar.SetValue(-3500);
  std::vector<int> changes;
  QObject::connect(&bar, &tk::VScrollBar::Change, [&] { changes.push_back(bar.Value()); });

  GetParam().act(bar);

  EXPECT_EQ(changes, GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScrollBarChange,
    ::testing::Values(
        DragCase{"ArrowDown", [](auto& b) { b.triggerAction(QAbstractSlider::SliderSingleStepAdd); }, {-3501}},
        DragCase{"TrackAbove", [](auto& b) { b.triggerAction(QAbstractSlider::SliderPageStepSub); }, {-1500}},
        DragCase{"TrackBelowStopsAtTheBottom", [](auto& b) { b.triggerAction(QAbstractSlider::SliderPageStepAdd); }, {-5000}},
        DragCase{"ThumbDrag",
                 [](auto& b) {
                   b.setSliderDown(true);
                   b.setSliderPosition(1000);
                   b.setSliderPosition(200);
                   b.setSliderDown(false);
                 },
                 {-200}},
        DragCase{"KeyHome", [](auto& b) { QTest::keyClick(&b, Qt::Key_Home); }, {0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VScrollBar, MapsTheTopAndBottomValuesEitherWayRound) {
  QWidget parent;
  tk::VScrollBar bar(&parent);
  bar.SetRange(0, -5000);
  bar.SetValue(-3500);
  EXPECT_EQ(bar.sliderPosition(), 3500);
  bar.SetRange(10, 20);
  bar.SetValue(15);
  EXPECT_EQ(bar.sliderPosition(), 5);
  EXPECT_EQ(bar.Value(), 15);
}

TEST(CommandButton, CaptionReadsBackWithItsAmpersandAndAltPressesIt) {
  QWidget parent;
  tk::CommandButton button(&parent);
  button.SetCaption("&Start");
  parent.show();
  parent.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
  int clicks = 0;
  QObject::connect(&button, &tk::CommandButton::Click, [&] { ++clicks; });
  EXPECT_EQ(button.Caption(), "&Start");
  QTest::keyClick(&parent, Qt::Key_S, Qt::AltModifier);
  QTest::qWait(300);  // an access key presses the button visibly, then clicks it
  EXPECT_EQ(clicks, 1);
}

}  // namespace
