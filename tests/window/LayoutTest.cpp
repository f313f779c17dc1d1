// The window as stored: every control where the layout puts it, with its caption, tooltip,
// tab order, stacking and start state; every caption readable whole at its stored size.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include "platform/richtext/RichTextBox.h"
#include "platform/statusbar/StatusBar.h"
#include "platform/toolkit/CheckBox.h"
#include "platform/toolkit/CommandButton.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/Label.h"
#include "platform/toolkit/Line.h"
#include "platform/toolkit/VScrollBar.h"
#include "tests/doubles/FormHarness.h"

namespace {

struct StoredControl {
  const char* name;
  QRect pixels;
  const char* caption;
  const char* toolTip;
};

// In pixels, as the stored twips divided by 15.
const StoredControl kStored[] = {
    {"lblBB", {8, 16, 153, 273}, "Settings:", "Keep volume levels VERY low for a better experience"},
    {"Label4", {16, 48, 113, 17}, "Enhancements", ""},
    {"Check1", {16, 72, 129, 25}, "Yes, use mask sound", "Enhances the experience"},
    {"Check2", {16, 104, 129, 25}, "Yes, use music (beta)", "Enhances the experience"},
    {"Label3", {16, 160, 73, 17}, "Beats Volume", ""},
    {"VSAmp", {16, 184, 33, 89}, "", ""},
    {"cmdPlay", {16, 312, 129, 41}, "&Start", ""},
    {"Line1", {0, 368, 241, 1}, "", ""},
    {"Label2", {504, 16, 121, 17}, "Release 1.1", ""},
    {"Label1", {472, 40, 153, 17}, "Main frecuency: 7.83 hz", ""},
    {"Label6", {608, 88, 17, 17}, "X", "Close"},
    {"rchText", {408, 104, 217, 137}, "", ""},
    {"Label5", {400, 264, 53, 13}, "Click to go:", ""},
    {"Line2", {464, 272, 169, 1}, "", ""},
    {"Image1", {392, 280, 237, 96}, "", ""},
    {"StatusBar1", {0, 380, 634, 22}, "", ""},
};

QString CaptionOf(QWidget* w) {
  if (auto* label = qobject_cast<tk::Label*>(w)) return label->Caption();
  if (auto* button = qobject_cast<tk::CommandButton*>(w)) return button->Caption();
  if (auto* box = qobject_cast<tk::CheckBox*>(w)) return box->text();
  return {};
}

class Layout : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(harness.Start()); }
  frmMain& form() { return *harness.form; }
  doubles::FormHarness harness;
};

TEST_F(Layout, TheWindowHasItsCaptionFixedClientAreaIconAndPicture) {
  EXPECT_EQ(form().windowTitle(), "Velnoria \"Lumetta\", release 1.1");
  EXPECT_EQ(form().size(), QSize(634, 402));
  EXPECT_EQ(form().minimumSize(), form().maximumSize());
  EXPECT_FALSE(form().windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(form().windowFlags() & Qt::WindowMinimizeButtonHint);
  const auto sizes = form().windowIcon().availableSizes();
  for (int size : {16, 32, 48, 64, 72, 96, 128}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((form().frameGeometry().center() - screen.center()).manhattanLength(), 40);
}

TEST_F(Layout, EveryControlStandsWhereTheLayoutPutsItWithItsCaptionAndToolTip) {
  for (const auto& stored : kStored) {
    SCOPED_TRACE(stored.name);
    auto* widget = form().Controls<QWidget>(stored.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), stored.pixels);
    EXPECT_EQ(CaptionOf(widget), stored.caption);
    EXPECT_EQ(widget->toolTip(), stored.toolTip);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());
  }
  EXPECT_EQ(form().findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 16);
}

TEST_F(Layout, TheFocusFollowsTheTabOrderAndSkipsLabelsLinesImageAndStatusBar) {
  std::vector<QString> order;
  QWidget* w = form().cmdPlay;
  do {
    if (w->focusPolicy() & Qt::TabFocus) order.push_back(w->objectName());
    w = w->nextInFocusChain();
  } while (w != form().cmdPlay && order.size() < 20);
  EXPECT_EQ(order, (std::vector<QString>{"cmdPlay", "Check1", "VSAmp", "Check2", "rchText"}));
  for (const char* name : {"lblBB", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Image1",
                           "Line1", "Line2", "StatusBar1"}) {
    EXPECT_EQ(form().Controls<QWidget>(name)->focusPolicy(), Qt::NoFocus) << name;
  }
}

TEST_F(Layout, WindowedControlsLieInFrontOfLabelsLinesAndTheImageInStoredOrder) {
  // children() runs from back to front.
  std::vector<QString> stack;
  for (QObject* child : form().children()) {
    if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow()) stack.push_back(w->objectName());
  }
  const std::vector<QString> expected{"Label1", "Label2", "lblBB", "Line1", "Image1", "Line2", "Label3", "Label4",
                                      "Label5", "Label6", "StatusBar1", "cmdPlay", "Check1", "VSAmp", "Check2",
                                      "rchText"};
  EXPECT_EQ(stack, expected);
}

TEST_F(Layout, TheSliderRunsFromZeroAtTheTopToMinusFiveThousandAtTheBottom) {
  auto& slider = *form().VSAmp;
  EXPECT_EQ(slider.Value(), -3500);
  EXPECT_EQ(slider.Min(), 0);
  EXPECT_EQ(slider.Max(), -5000);
  EXPECT_EQ(slider.sliderPosition() * 10, slider.maximum() * 7);  // the thumb 70 % down
  EXPECT_EQ(slider.singleStep(), 1);
  EXPECT_EQ(slider.pageStep(), 2000);
  EXPECT_EQ(slider.cursor().shape(), Qt::SizeVerCursor);

  struct Move {
    QAbstractSlider::SliderAction action;
    int expected;
  };
  for (const Move move : {Move{QAbstractSlider::SliderSingleStepAdd, -3501}, Move{QAbstractSlider::SliderPageStepAdd, -5000},
                          Move{QAbstractSlider::SliderPageStepAdd, -5000}, Move{QAbstractSlider::SliderSingleStepSub, -4999},
                          Move{QAbstractSlider::SliderToMinimum, 0}, Move{QAbstractSlider::SliderSingleStepSub, 0}}) {
    slider.triggerAction(move.action);
    EXPECT_EQ(slider.Value(), move.expected);
  }
}

TEST_F(Layout, TheStartStateIsStoppedUntickedAndShowsTheHelpText) {
  EXPECT_EQ(form().cmdPlay->Caption(), "&Start");
  EXPECT_EQ(form().Check1->Value(), 0);
  EXPECT_EQ(form().Check2->Value(), 0);
  EXPECT_TRUE(form().rchText->Visible());
  EXPECT_TRUE(form().rchText->isReadOnly());
  auto& panels = form().StatusBar1->GetPanels();
  ASSERT_EQ(panels.Count(), 2);
  EXPECT_EQ(panels.Item(1).width(), 210);
  EXPECT_EQ(panels.Item(2).width(), 96);
  EXPECT_EQ(panels.Item(1).Text(), "Copyright (C) Velnoria. All rights reserved.");
  EXPECT_EQ(panels.Item(1).toolTip(), "Visit www.velnoria.example for updates and enhancements");
  EXPECT_EQ(panels.Item(2).Text(), "");
}

TEST_F(Layout, TheLinkPictureFillsItsInnerAreaAndHasTheIconPointer) {
  auto& image = *form().Image1;
  EXPECT_EQ(image.Picture().size(), QSize(233, 92));
  EXPECT_EQ(image.InnerArea(), QRect(1, 1, 235, 94));
  EXPECT_EQ(image.cursor().shape(), Qt::BitmapCursor);
  EXPECT_FALSE(image.DragIcon().isNull());
  EXPECT_TRUE(image.DragIcon().availableSizes().contains(QSize(256, 256)));
}

TEST_F(Layout, TheStoredColoursAndThePictureShowWhereTheyBelong) {
  const QImage window = form().grab().toImage();
  const auto at = [&](int x, int y) { return window.pixelColor(x, y); };
  // The check boxes' back colour fills the whole control, right of their captions too.
  for (int y : {84, 116}) EXPECT_EQ(at(142, y), QColor(255, 192, 128)) << y;
  // Label5 draws the system window colour.
  EXPECT_EQ(at(450, 266), form().palette().color(QPalette::Base));
  // Where no control stands, the amber picture shows, drawn unscaled from the corner.
  for (const QPoint p : {QPoint(300, 5), QPoint(250, 300), QPoint(180, 390 - 30)}) {
    const QColor c = at(p.x(), p.y());
    EXPECT_GT(c.red(), c.blue() + 40) << p.x() << "," << p.y();
  }
  // A dark red caption on lblBB.
  bool darkRed = false;
  for (int x = 10; x < 60 && !darkRed; ++x) {
    for (int y = 17; y < 30 && !darkRed; ++y) {
      const QColor c = at(x, y);
      darkRed = c.red() < 120 && c.red() > c.green() + 30 && c.blue() < 60;
    }
  }
  EXPECT_TRUE(darkRed);
}

TEST_F(Layout, EveryCaptionFitsItsControlWhole) {
  for (auto* label : form().findChildren<tk::Label*>()) {
    SCOPED_TRACE(label->objectName().toStdString());
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->Caption()), label->contentsRect().width());
    EXPECT_LE(label->fontMetrics().height(), label->height());
  }
  for (auto* box : form().findChildren<tk::CheckBox*>()) {
    SCOPED_TRACE(box->objectName().toStdString());
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect text = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), text.width());
  }
  auto* button = form().cmdPlay;
  EXPECT_LE(button->fontMetrics().horizontalAdvance("Start"), button->width() - 8);
  EXPECT_LE(button->fontMetrics().horizontalAdvance("Pause"), button->width() - 8);
}

}  // namespace
