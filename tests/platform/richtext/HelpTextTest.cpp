// A help text written the way the program's own is, read back through the box.
#include <gtest/gtest.h>

#include "tests/platform/richtext/DocumentFacts.h"
#include "tests/platform/richtext/HelpTextChecks.h"

namespace richtext::testing {
namespace {

TEST(HelpTextTest, FixtureReadsBackAsWritten) {
  const std::string rtf = ReadFile(RICHTEXT_FIXTURE_DIR "/help.rtf");
  ASSERT_FALSE(rtf.empty()) << "fixture missing";
  ExpectHelpTextReadsBack(rtf);
}

}  // namespace
}  // namespace richtext::testing
