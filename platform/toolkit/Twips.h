#pragma once
// Layout positions are stored in twips; at 96 dots per inch 15 twips make one pixel.
namespace tk {
inline constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }
}  // namespace tk
