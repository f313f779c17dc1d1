#pragma once
// The maker's wordmark: "Velnoria" in a serif face, followed in smaller letters by ".example".
#include <QString>
#include <optional>

#include "tools/art/Canvas.h"

namespace artwork {

inline constexpr Rgb8 kWordmarkColour{179, 14, 14};

struct PixelRect {
  int left, top, width, height;
};

// A transparent `width` x `height` layer with the wordmark in dark red, its ink filling
// `box` exactly from edge to edge. Nothing when the font file cannot be loaded.
// The QGuiApplication's thread.
std::optional<Canvas> DrawWordmark(const QString& fontFile, int width, int height, PixelRect box);

}  // namespace artwork
