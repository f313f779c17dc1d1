#include "tests/e2e/analysis/Stalls.h"

#include <gtest/gtest.h>

namespace e2e::test {
namespace {

struct StallCase {
  const char* name;
  std::vector<std::vector<TimeSpan>> late;  // per watcher
  int quorum;
  std::vector<TimeSpan> stalls;

  friend void PrintTo(const StallCase& c, std::ostream* out) { *out << c.name; }
};

class MachineStallsTest : public ::testing::TestWithParam<StallCase> {};

TEST_P(MachineStallsTest, SpansWhereAQuorumWasLateAtOnce) {
  const StallCase& c = GetParam();
  const std::vector<TimeSpan> stalls = MachineStalls(c.late, c.quorum, 0.005);
  ASSERT_EQ(stalls.size(), c.stalls.size());
  for (std::size_t i = 0; i < stalls.size(); ++i) {
    EXPECT_DOUBLE_EQ(stalls[i].from, c.stalls[i].from) << i;
    EXPECT_DOUBLE_EQ(stalls[i].to, c.stalls[i].to) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MachineStallsTest,
    ::testing::Values(
        StallCase{"all late together", {{{1.0, 1.1}}, {{1.0, 1.1}}, {{1.0, 1.1}}, {{1.0, 1.1}}}, 2, {{1.0, 1.1}}},
        // Staggered: the stall is where at least two were late, not the union of all.
        StallCase{"staggered", {{{1.00, 1.10}}, {{1.02, 1.12}}, {{1.05, 1.07}}, {}}, 2, {{1.02, 1.10}}},
        // One busy processor is not the machine standing still.
        StallCase{"one watcher late alone", {{{1.0, 1.5}}, {}, {}, {}}, 2, {}},
        StallCase{"two stalls apart", {{{1.0, 1.1}, {3.0, 3.2}}, {{1.0, 1.1}, {3.0, 3.2}}}, 2, {{1.0, 1.1}, {3.0, 3.2}}},
        // Shorter than the least span worth reporting.
        StallCase{"too short", {{{1.0, 1.004}}, {{1.0, 1.004}}}, 2, {}},
        // Two watchers hand over at one instant: the count never drops below the quorum.
        StallCase{"hand-over", {{{1.0, 1.1}}, {{1.0, 1.05}, {1.05, 1.2}}, {{1.0, 1.2}}}, 2, {{1.0, 1.2}}},
        StallCase{"no late wake at all", {{}, {}}, 1, {}}),
    [](const ::testing::TestParamInfo<StallCase>& info) {
      std::string name = info.param.name;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace e2e::test
