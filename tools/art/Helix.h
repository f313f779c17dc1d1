#pragma once
// A glossy, translucent double helix (a twisted ladder with pink and golden rungs) that rises
// from the bottom edge to the top edge a little left of the centre of a 640 x 480 picture.
// Any thread: every function here works only on its arguments.
#include "tools/art/Canvas.h"

namespace artwork {

// A transparent layer, `width` x `height`, holding the helix and its soft shadow.
Canvas DrawHelix(int width, int height);

}  // namespace artwork
