#pragma once
// The window's background picture: the swirl ground with the helix over it.
// Any thread: every function here works only on its arguments.
#include "tools/art/Canvas.h"

namespace artwork {

inline constexpr int kBackgroundWidth = 640;
inline constexpr int kBackgroundHeight = 480;

// Opaque, kBackgroundWidth x kBackgroundHeight.
Canvas DrawBackground();

}  // namespace artwork
