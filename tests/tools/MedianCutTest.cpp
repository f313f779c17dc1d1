// The palette reduction behind the link picture and the 8-bit icons: every entry distinct and
// used, every pixel given its nearest entry, and few colours kept exactly.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tools/art/MedianCut.h"

namespace {

using artwork::MedianCut;
using artwork::Quantised;
using artwork::Rgb8;

int DistanceSquared(const Rgb8& a, const Rgb8& b) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

// Smooth amber shades with a sprinkling of pale greys, like the banner: thousands of colours,
// unevenly spread.
std::vector<Rgb8> BannerLikePixels() {
  std::vector<Rgb8> pixels;
  for (int i = 0; i < 4000; ++i) {
    const auto grey = static_cast<unsigned char>(200 + i % 40);
    if (i % 7 == 0)
      pixels.push_back({grey, grey, static_cast<unsigned char>(grey + 3)});
    else
      pixels.push_back({static_cast<unsigned char>(150 + i % 64),
                        static_cast<unsigned char>(60 + i / 64 % 64),
                        static_cast<unsigned char>(10 + i % 13)});
  }
  return pixels;
}

TEST(MedianCut, KeepsEveryColourExactlyWhenThereAreFewerThanAsked) {
  const std::vector<Rgb8> pixels = {
      {1, 2, 3}, {200, 10, 10}, {1, 2, 3}, {0, 255, 0}, {200, 10, 10}};
  const Quantised q = MedianCut(pixels, 8);
  ASSERT_EQ(q.palette.size(), 3u);
  ASSERT_EQ(q.index.size(), pixels.size());
  for (size_t i = 0; i < pixels.size(); ++i) EXPECT_EQ(q.palette[q.index[i]], pixels[i]) << i;
}

class MedianCutOfMany : public testing::TestWithParam<int> {
 protected:
  const std::vector<Rgb8> pixels_ = BannerLikePixels();
  const Quantised q_ = MedianCut(pixels_, GetParam());
};

TEST_P(MedianCutOfMany, FillsThePaletteWithDistinctColoursThatAreAllUsed) {
  EXPECT_EQ(q_.palette.size(), static_cast<size_t>(GetParam()));
  EXPECT_EQ(std::set<Rgb8>(q_.palette.begin(), q_.palette.end()).size(), q_.palette.size());
  std::vector<int> users(q_.palette.size(), 0);
  for (int i : q_.index) ++users[i];
  for (size_t e = 0; e < users.size(); ++e) EXPECT_GT(users[e], 0) << "entry " << e;
}

TEST_P(MedianCutOfMany, GivesEachPixelAnEntryAsNearAsAnyAndClose) {
  ASSERT_EQ(q_.index.size(), pixels_.size());
  int notNearest = 0, worst = 0;
  for (size_t i = 0; i < pixels_.size(); ++i) {
    const int given = DistanceSquared(q_.palette[q_.index[i]], pixels_[i]);
    worst = std::max(worst, given);
    for (const Rgb8& other : q_.palette) notNearest += DistanceSquared(other, pixels_[i]) < given;
  }
  // A lonely pixel may be handed to an entry that would otherwise be left unused.
  EXPECT_LE(notNearest, GetParam() / 8);
  EXPECT_LT(worst, 48 * 48);
}

INSTANTIATE_TEST_SUITE_P(PaletteSizes, MedianCutOfMany, testing::Values(16, 64, 251));

}  // namespace
