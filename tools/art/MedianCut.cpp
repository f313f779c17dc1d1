#include "tools/art/MedianCut.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace artwork {

namespace {

int Channel(const Rgb8& c, int channel) { return channel == 0 ? c.r : channel == 1 ? c.g : c.b; }

struct Box {
  std::vector<int> members;  // pixel numbers
  int widestChannel = 0;
  int range = 0;
};

void Measure(Box& box, std::span<const Rgb8> pixels) {
  box.range = 0;
  for (int channel = 0; channel < 3; ++channel) {
    int lo = 255, hi = 0;
    for (int m : box.members) {
      lo = std::min(lo, Channel(pixels[m], channel));
      hi = std::max(hi, Channel(pixels[m], channel));
    }
    if (hi - lo > box.range) {
      box.range = hi - lo;
      box.widestChannel = channel;
    }
  }
}

// Favour boxes that are both wide and busy, so smooth gradients keep their steps small.
double SplitScore(const Box& box) {
  return box.range * std::sqrt(static_cast<double>(box.members.size()));
}

// Splits at the median along the widest channel, never between two pixels of the same value.
Box SplitOff(Box& box, std::span<const Rgb8> pixels) {
  const int channel = box.widestChannel;
  std::sort(box.members.begin(), box.members.end(), [&](int a, int b) {
    const int va = Channel(pixels[a], channel), vb = Channel(pixels[b], channel);
    return va != vb ? va < vb : a < b;
  });
  const auto valueAt = [&](size_t i) { return Channel(pixels[box.members[i]], channel); };
  size_t cut = box.members.size() / 2;
  while (cut > 0 && valueAt(cut) == valueAt(cut - 1)) --cut;
  if (cut == 0) {
    cut = box.members.size() / 2;
    while (cut < box.members.size() && valueAt(cut) == valueAt(cut - 1)) ++cut;
  }
  Box upper;
  upper.members.assign(box.members.begin() + static_cast<long>(cut), box.members.end());
  box.members.resize(cut);
  Measure(box, pixels);
  Measure(upper, pixels);
  return upper;
}

Rgb8 MeanColour(const Box& box, std::span<const Rgb8> pixels) {
  double sum[3] = {0, 0, 0};
  for (int m : box.members)
    for (int channel = 0; channel < 3; ++channel) sum[channel] += Channel(pixels[m], channel);
  const double n = static_cast<double>(box.members.size());
  return {static_cast<unsigned char>(std::lround(sum[0] / n)),
          static_cast<unsigned char>(std::lround(sum[1] / n)),
          static_cast<unsigned char>(std::lround(sum[2] / n))};
}

// Two boxes can average to the same colour; nudge the later one so entries stay distinct.
void MakeDistinct(std::vector<Rgb8>& palette) {
  std::set<Rgb8> seen;
  for (Rgb8& c : palette) {
    for (int step = 0; seen.count(c) != 0; ++step) {
      unsigned char& channel = step % 3 == 0 ? c.r : step % 3 == 1 ? c.g : c.b;
      channel = static_cast<unsigned char>(channel < 255 ? channel + 1 : channel - 1);
    }
    seen.insert(c);
  }
}

int DistanceSquared(const Rgb8& a, const Rgb8& b) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

int NearestEntry(const std::vector<Rgb8>& palette, const Rgb8& c) {
  int best = 0;
  for (int i = 1; i < static_cast<int>(palette.size()); ++i)
    if (DistanceSquared(palette[i], c) < DistanceSquared(palette[best], c)) best = i;
  return best;
}

// Box membership alone can hand a pixel a far colour from a long box; map each pixel to its
// nearest entry instead, and give an entry that thereby lost all its pixels back the member
// of its box closest to it.
void MapToNearest(const std::vector<Box>& boxes, std::span<const Rgb8> pixels, Quantised& out) {
  std::vector<int> users(out.palette.size(), 0);
  for (size_t m = 0; m < pixels.size(); ++m) {
    out.index[m] = NearestEntry(out.palette, pixels[m]);
    ++users[out.index[m]];
  }
  for (size_t b = 0; b < boxes.size(); ++b) {
    if (users[b] != 0) continue;
    const auto closest =
        std::min_element(boxes[b].members.begin(), boxes[b].members.end(), [&](int x, int y) {
          return DistanceSquared(pixels[x], out.palette[b]) <
                 DistanceSquared(pixels[y], out.palette[b]);
        });
    --users[out.index[*closest]];
    out.index[*closest] = static_cast<int>(b);
    users[b] = 1;
  }
}

}  // namespace

Quantised MedianCut(std::span<const Rgb8> pixels, int count) {
  Quantised out;
  out.index.assign(pixels.size(), 0);
  if (pixels.empty() || count <= 0) return out;
  std::vector<Box> boxes(1);
  for (int i = 0; i < static_cast<int>(pixels.size()); ++i) boxes[0].members.push_back(i);
  Measure(boxes[0], pixels);
  while (static_cast<int>(boxes.size()) < count) {
    auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
      return SplitScore(a) < SplitScore(b);
    });
    if (widest->range == 0) break;
    Box upper = SplitOff(*widest, pixels);
    boxes.push_back(std::move(upper));
  }
  for (const Box& box : boxes) out.palette.push_back(MeanColour(box, pixels));
  MakeDistinct(out.palette);
  MapToNearest(boxes, pixels, out);
  return out;
}

}  // namespace artwork
