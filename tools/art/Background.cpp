#include "tools/art/Background.h"

#include "tools/art/Helix.h"
#include "tools/art/Swirl.h"

namespace artwork {

Canvas DrawBackground() {
  Canvas picture = DrawSwirlGround(kBackgroundWidth, kBackgroundHeight);
  picture.Composite(DrawHelix(kBackgroundWidth, kBackgroundHeight));
  return picture;
}

}  // namespace artwork
