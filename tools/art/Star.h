#pragma once
// The window's icon: a vivid blue-violet five-pointed star, one point up.
// Any thread: every function here works only on its arguments.
#include "tools/art/Canvas.h"

namespace artwork {

inline constexpr Rgb8 kStarColour{60, 50, 254};

// `size` x `size`, transparent around the star, edges antialiased. With `shadow` the star
// sits a little up and left and casts a faint, soft grey shadow down and to the right.
Canvas DrawStar(int size, bool shadow);

}  // namespace artwork
