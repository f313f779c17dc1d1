#pragma once
// The second icon of the link picture: a glossy green tick mark, its short stroke at the lower
// left and its long stroke sweeping up to the upper right.
// Any thread: every function here works only on its arguments.
#include "tools/art/Canvas.h"

namespace artwork {

inline constexpr Rgb8 kTickColour{77, 145, 72};

enum class TickStyle {
  Glossy,         // green with a darker outline and a light highlight
  BlackAndWhite,  // white with a black outline, for the 1-bit image
};

// `size` x `size`, transparent around the tick, edges antialiased.
Canvas DrawTick(int size, TickStyle style);

}  // namespace artwork
