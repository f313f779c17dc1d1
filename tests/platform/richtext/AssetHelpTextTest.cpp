// The help text the program carries, read back through the box it is shown in.
#include <gtest/gtest.h>

#include "assets/Assets.h"
#include "tests/platform/richtext/HelpTextChecks.h"

namespace richtext::testing {
namespace {

TEST(AssetHelpTextTest, Info1ReadsBackAsDescribed) {
  ASSERT_FALSE(assets::info1().empty());
  ExpectHelpTextReadsBack(assets::info1());
}

}  // namespace
}  // namespace richtext::testing
