#pragma once
// The artwork and help text the program carries inside itself. Each function returns the
// same constant bytes for the whole run; any thread may call them.
#include <span>
#include <string_view>

namespace assets {

// The window's background picture: a 640 x 480, 24-bit Windows bitmap file.
std::span<const unsigned char> BackgroundPicture();

// The window's icon, a blue star: a Windows icon file of 13 images.
std::span<const unsigned char> WindowIcon();

// The web link's picture, a 233 x 92 banner: a GIF89a file.
std::span<const unsigned char> LinkPicture();

// The web link's second icon, a green tick that is never shown: a Windows icon file of 17 images.
std::span<const unsigned char> LinkIcon();

// The QuickStart help text, as RTF.
std::string_view info1();

// The four pictures above as the window keeps them, every image of each (PixelsFormat.h).
std::span<const unsigned char> BackgroundPixels();
std::span<const unsigned char> WindowIconPixels();
std::span<const unsigned char> LinkPicturePixels();
std::span<const unsigned char> LinkIconPixels();

}  // namespace assets
