#include "platform/toolkit/DefaultFont.h"

namespace tk {

QFont DefaultFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(10);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

}  // namespace tk
