// The "X" label hides and shows the help text; the link picture hands the web address to the
// desktop's opener; neither touches the sound.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/richtext/RichTextBox.h"
#include "platform/toolkit/CommandButton.h"
#include "platform/toolkit/Image.h"
#include "platform/toolkit/Label.h"
#include "tests/doubles/FormHarness.h"

namespace {

class Playing : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(harness.Start());
    form().cmdPlay->click();  // playing: clicks here must not touch any layer
    callsBefore = harness.log->calls.size();
  }
  void TearDown() override { EXPECT_EQ(harness.log->calls.size(), callsBefore) << "a layer was touched"; }
  frmMain& form() { return *harness.form; }

  doubles::FormHarness harness;
  std::size_t callsBefore = 0;
};

TEST_F(Playing, XHidesTheHelpTextAndAgainShowsItWithItsTextUnchanged) {
  const QString text = form().rchText->document()->toHtml();
  QTest::mouseClick(form().Label6, Qt::LeftButton);
  EXPECT_FALSE(form().rchText->Visible());
  EXPECT_TRUE(form().Label6->isVisible());
  QTest::mouseClick(form().Label6, Qt::LeftButton);
  EXPECT_TRUE(form().rchText->Visible());
  EXPECT_EQ(form().rchText->document()->toHtml(), text);
  EXPECT_TRUE(harness.messages.empty());
}

// Puts a stand-in `xdg-open` first on PATH that writes its arguments and working folder.
class StandInOpener {
 public:
  explicit StandInOpener(bool present) : oldPath_(qgetenv("PATH")) {
    if (present) {
      QFile script(dir_.filePath("xdg-open"));
      script.open(QIODevice::WriteOnly);
      script.write(("#!/bin/sh\n{ printf '%s\\n' \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; pwd; } > '" +
                    record().toUtf8() + ".tmp' && mv '" + record().toUtf8() + ".tmp' '" + record().toUtf8() + "'\n"));
      script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    qputenv("PATH", dir_.path().toUtf8() + (present ? ":/usr/bin:/bin" : ""));
  }
  ~StandInOpener() { qputenv("PATH", oldPath_); }

  QString record() const { return dir_.filePath("record"); }
  QStringList WaitForRecord() const {
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(record()) && timer.elapsed() < 10000) QTest::qWait(20);
    QFile file(record());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
  }

 private:
  QTemporaryDir dir_;
  QByteArray oldPath_;
};

TEST_F(Playing, ThePictureHandsExactlyTheWebAddressToTheOpenerWithNoParametersOrFolder) {
  StandInOpener opener(true);
  QTest::mouseClick(form().Image1, Qt::LeftButton);
  const QStringList record = opener.WaitForRecord();
  ASSERT_EQ(record.size(), 3) << record.join('|').toStdString();
  EXPECT_EQ(record[0], "1");
  EXPECT_EQ(record[1], "http://www.velnoria.example/Velnoria_Lumetta/openusers.aspx");
  EXPECT_EQ(record[2], QDir::currentPath());
  EXPECT_TRUE(harness.messages.empty());
}

TEST_F(Playing, WithNoOpenerTheClickChangesNothingAndTheProgramGoesOn) {
  StandInOpener opener(false);
  EXPECT_FALSE(harness.Ends([&] { QTest::mouseClick(form().Image1, Qt::LeftButton); }));
  EXPECT_TRUE(harness.messages.empty());
  EXPECT_TRUE(form().isVisible());
}

TEST_F(Playing, ClickingOtherLabelsDoesNothing) {
  StandInOpener opener(true);
  for (const char* name : {"Label5", "Label1", "lblBB"}) {
    QTest::mouseClick(form().Controls<QWidget>(name), Qt::LeftButton);
  }
  QTest::qWait(200);
  EXPECT_FALSE(QFile::exists(opener.record()));
  EXPECT_TRUE(form().rchText->Visible());
}

}  // namespace
