// The rich text box: visibility flag, read-only text, scroll bars and what it draws.
#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QWidget>

#include "platform/richtext/RichTextBox.h"
#include "tests/platform/richtext/DocumentFacts.h"

namespace richtext::testing {
namespace {

constexpr int kWidth = 217;
constexpr int kHeight = 137;
const char* const kShortText = R"({\rtf1{\colortbl;\red0\green0\blue128;}\cf1 Short help})";

std::string HelpFixture() { return ReadFile(RICHTEXT_FIXTURE_DIR "/help.rtf"); }

// Navy text on a light ground, antialiased edges included; grey and black never count.
int NavyPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() - c.red() > 60 && c.blue() - c.green() > 60 && c.red() < 120) ++count;
    }
  }
  return count;
}

TEST(RichTextBoxTest, VisibleIsItsOwnFlagEvenBeforeTheWindowShows) {
  QWidget window;
  auto* box = new RichTextBox(&window);
  box->SetTextRTF(kShortText);
  ASSERT_FALSE(window.isVisible());
  EXPECT_TRUE(box->Visible());

  box->SetVisible(false);
  EXPECT_FALSE(box->Visible());
  EXPECT_EQ(box->toPlainText(), "Short help");
  box->SetVisible(false);
  EXPECT_FALSE(box->Visible());

  box->SetVisible(true);
  EXPECT_TRUE(box->Visible());
  EXPECT_EQ(box->toPlainText(), "Short help");
  EXPECT_EQ(box->TextRTF(), kShortText);
}

TEST(RichTextBoxTest, HidingUncoversWhatLiesBehindAndShowingBringsTheTextBack) {
  QWidget window;
  window.resize(300, 200);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, Qt::red);
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  auto* box = new RichTextBox(&window);
  box->setGeometry(40, 30, kWidth, kHeight);
  box->SetTextRTF(HelpFixture());
  window.show();
  const QPoint inside = box->geometry().bottomRight() - QPoint(20, 20);

  EXPECT_NE(window.grab().toImage().pixelColor(inside), QColor(Qt::red));
  box->SetVisible(false);
  EXPECT_EQ(window.grab().toImage().pixelColor(inside), QColor(Qt::red));
  box->SetVisible(true);
  EXPECT_NE(window.grab().toImage().pixelColor(inside), QColor(Qt::red));
  EXPECT_GT(NavyPixels(window.grab().toImage()), 0);
}

TEST(RichTextBoxTest, UserCannotEditTheText) {
  RichTextBox box;
  box.SetTextRTF(kShortText);
  box.show();
  box.setFocus();
  QTest::keyClicks(&box, "typed");
  QTest::keyClick(&box, Qt::Key_Backspace);
  QTest::keyClick(&box, Qt::Key_Delete);
  EXPECT_TRUE(box.isReadOnly());
  EXPECT_EQ(box.toPlainText(), "Short help");
}

TEST(RichTextBoxTest, WrapsTextAndScrollsOnlyDownwardsWhenNeeded) {
  RichTextBox box;
  box.resize(kWidth, kHeight);
  box.SetTextRTF(kShortText);
  box.show();
  EXPECT_FALSE(box.verticalScrollBar()->isVisible());

  box.SetTextRTF(HelpFixture());
  QCoreApplication::processEvents();
  EXPECT_TRUE(box.verticalScrollBar()->isVisible()) << "the help text is taller than the box";
  EXPECT_FALSE(box.horizontalScrollBar()->isVisible());
  EXPECT_LE(box.document()->size().width(), box.viewport()->width());
  EXPECT_EQ(box.verticalScrollBar()->value(), 0) << "the text opens at its first line";
}

TEST(RichTextBoxTest, OpensAtTheFirstLineWhenShownAfterItsText) {
  RichTextBox box;
  box.resize(kWidth, kHeight);
  box.SetTextRTF(HelpFixture());
  box.show();
  QCoreApplication::processEvents();
  ASSERT_GT(box.verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(box.verticalScrollBar()->value(), 0);
}

TEST(RichTextBoxTest, DrawsNavyTextOnTheBaseColour) {
  RichTextBox box;
  box.resize(kWidth, kHeight);
  box.SetTextRTF(kShortText);
  box.show();
  const QImage navy = box.grab().toImage();
  // Below the one short line there is only the box's back colour.
  EXPECT_EQ(navy.pixelColor(kWidth / 2, kHeight - 10), box.palette().color(QPalette::Base));
  EXPECT_GT(NavyPixels(navy), 30);

  box.SetTextRTF(R"({\rtf1 Short help})");  // the same words in the automatic colour
  EXPECT_EQ(NavyPixels(box.grab().toImage()), 0);
}

}  // namespace
}  // namespace richtext::testing
