#pragma once
// Hands a drawing to Qt, for the PNG files and the text of the link picture.
// Any thread: every function here works only on its arguments.
#include <QImage>

#include "tools/art/Canvas.h"

namespace artwork {

// ARGB32 with straight alpha.
QImage ToQImage(const Canvas& drawing);

}  // namespace artwork
