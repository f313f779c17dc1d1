#pragma once
// The warm ground of the background picture: soft elliptical swirls of amber and orange with
// darker brown bands, brightening to yellow towards the bottom edge and most at the lower left.
// Any thread: every function here works only on its arguments.
#include "tools/art/Canvas.h"

namespace artwork {

// Opaque, `width` x `height` pixels.
Canvas DrawSwirlGround(int width, int height);

}  // namespace artwork
