#pragma once
// The link picture: an amber tile cut from the background picture, a pale grey marbled band,
// and the wordmark across both.
// Any thread: every function here works only on its arguments.
#include "tools/art/Canvas.h"
#include "tools/art/Wordmark.h"

namespace artwork {

inline constexpr int kBannerWidth = 233;
inline constexpr int kBannerHeight = 92;
inline constexpr int kTileWidth = 90;
// Rows 30 to 62 and columns 21 to 229.
inline constexpr PixelRect kWordmarkBox{21, 30, 209, 33};

// Opaque, kBannerWidth x kBannerHeight; `wordmark` is a layer of the same size.
Canvas DrawBanner(const Canvas& background, const Canvas& wordmark);

}  // namespace artwork
