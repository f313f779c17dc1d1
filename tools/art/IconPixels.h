#pragma once
// Turns a drawing into each pixel form an icon image can store. Every form shares one mask:
// a pixel is transparent where the drawing is less than half opaque.
// Any thread: every function here works only on its arguments.
#include <span>

#include "tools/art/Canvas.h"
#include "tools/format/IcoFile.h"

namespace artwork {

// The 16 colours every Windows display has, in their usual order.
inline constexpr Rgb8 kStandardPalette[16] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

// 24 bits, hard-edged by the mask; or 32 bits with the drawing's own soft opacity.
fileformat::IconImage ToTrueColour(const Canvas& drawing, int bitsPerPixel);

// 8 bits with a palette made for this drawing (transparent pixels use entry 0, black).
fileformat::IconImage ToOwnPalette(const Canvas& drawing);

// 4 bits with the standard palette; opaque pixels are error-diffused over the `usable` entries.
fileformat::IconImage ToStandardPalette(const Canvas& drawing, std::span<const int> usable);

// 1 bit: light pixels white, dark pixels black.
fileformat::IconImage ToBlackAndWhite(const Canvas& drawing);

}  // namespace artwork
