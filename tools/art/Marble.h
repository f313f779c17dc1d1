#pragma once
// A pale grey marbled texture: soft clouds with thin, wandering grey veins.
// Any thread: every function here works only on its arguments.
#include "tools/art/Canvas.h"

namespace artwork {

// Opaque, `width` x `height`.
Canvas DrawMarble(int width, int height);

}  // namespace artwork
