#include "tests/e2e/analysis/BlockReport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "tests/e2e/unit/Synth.h"

namespace e2e::test {
namespace {

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::stringstream stream(line);
  for (std::string field; std::getline(stream, field, separator);) fields.push_back(field);
  return fields;
}

// Half a second of silence, then the beats with a 5 ms hole in the left one at 1.02 s.
TEST(BlockReportTest, EachBlockShowsItsTonesSilenceAndDropouts) {
  constexpr std::int64_t kFrames = 2 * kRate;
  std::vector<double> left = Sine(200.07, 569.0, kFrames, kRate / 2);
  constexpr std::int64_t kHole = kRate + kRate / 50;
  std::fill(left.begin() + kHole, left.begin() + kHole + 220, 0.0);
  const StereoRecording recording = Stereo(left, Sine(207.90, 569.0, kFrames, kRate / 2));

  std::ostringstream out;
  WriteBlockReport(out, recording, {0, kFrames}, {200.07, 207.90}, kRate / 10);
  std::istringstream in(out.str());
  std::string line;
  std::getline(in, line);
  const std::vector<std::string> header = Split(line, ',');
  const auto column = [&](const std::string& name) {
    return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin());
  };
  int rows = 0;
  while (std::getline(in, line)) {
    const std::vector<std::string> row = Split(line, ',');
    ASSERT_EQ(row.size(), header.size());
    const std::int64_t frame = std::stoll(row[column("frame")]);
    const bool beforeBeats = frame + kRate / 10 <= kRate / 2;
    EXPECT_EQ(row[column("silent")], beforeBeats ? "1" : "0") << "block at " << frame;
    const bool holdsHole = frame <= kHole && kHole < frame + kRate / 10;
    EXPECT_EQ(row[column("dropouts")] != "0", holdsHole) << "block at " << frame;
    if (frame >= kRate / 2 + kRate / 10 && !holdsHole) {
      EXPECT_NEAR(std::stod(row[column("L_strongest_hz")]), 200.07, 2.0);
      EXPECT_NEAR(std::stod(row[column("L_left_tone_dbfs")]), -35.2, 0.05);
      EXPECT_LT(std::stod(row[column("L_crosstalk_db")]), -80.0);
    }
    ++rows;
  }
  EXPECT_EQ(rows, 20);
}

}  // namespace
}  // namespace e2e::test
