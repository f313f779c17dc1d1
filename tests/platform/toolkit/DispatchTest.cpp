// The event dispatch is the one place that catches a run-time error: it shows the report,
// titled with the application title, and ends the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/toolkit/EventDispatch.h"
#include "platform/toolkit/Runtime.h"
#include "platform/toolkit/RuntimeError.h"

namespace {

struct Report {
  QString prompt;
  int style;
  QString title;
};

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    tk::SetRuntimeHooks({.messageBox = [this](const QString& p, int s, const QString& t) {
                           reports.push_back({p, s, t});
                           return tk::vbOK;
                         },
                         .end = [] { throw tk::ProgramEnded{}; }});
  }
  void TearDown() override { tk::SetRuntimeHooks({}); }
  std::vector<Report> reports;
};

TEST_F(Dispatch, AFailingStatusLeavesTheHandlerAtOnceAndEndsTheProgramThroughTheReport) {
  bool after = false;
  EXPECT_THROW(tk::Dispatch([&] {
                 tk::Check(0);
                 tk::Check(static_cast<std::int32_t>(0x88780078u));
                 after = true;
               }),
               tk::ProgramEnded);
  EXPECT_FALSE(after);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].prompt,
            "Run-time error '-2005401480 (88780078)':\n\nAutomation error\nNo sound driver is available for use.");
  EXPECT_EQ(reports[0].style, tk::vbCritical);
  EXPECT_EQ(reports[0].title, "VelnoriaLM");
}

TEST_F(Dispatch, APositiveErrorNumberIsShownWithoutHex) {
  EXPECT_THROW(tk::Dispatch([] { throw tk::RuntimeError(35600, "Index out of bounds"); }), tk::ProgramEnded);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].prompt, "Run-time error '35600':\n\nIndex out of bounds");
}

TEST_F(Dispatch, AHandlerThatSucceedsShowsNothing) {
  int ran = 0;
  tk::Dispatch([&] { tk::Check(1), ++ran; });
  EXPECT_EQ(ran, 1);
  EXPECT_TRUE(reports.empty());
}

TEST(MsgBox, WithoutATitleBearsTheApplicationTitle) {
  QString title;
  tk::SetRuntimeHooks({.messageBox = [&](const QString&, int, const QString& t) { return title = t, tk::vbOK; }});
  tk::MsgBox("text");
  EXPECT_EQ(title, "VelnoriaLM");
  tk::MsgBox("text", tk::vbCritical, QStringLiteral("Velnoria Message"));
  EXPECT_EQ(title, "Velnoria Message");
  tk::SetRuntimeHooks({});
}

TEST(AppPath, IsTheFolderOfTheRunningExecutableWithoutTrailingSeparator) {
  const std::string folder = tk::AppPath();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/');
  EXPECT_EQ(folder.front(), '/');
  const std::string self = std::filesystem::canonical("/proc/self/exe").string();
  EXPECT_EQ(self.substr(0, folder.size() + 1), folder + "/");
}

}  // namespace
