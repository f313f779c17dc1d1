#pragma once
// The built-in pictures and icons, decoded for the toolkit.
#include <QIcon>
#include <QPixmap>
#include <span>

namespace window {

// Every image an icon file holds, one pixmap each. Window thread.
QIcon IconFromIco(std::span<const unsigned char> ico);
// Decodes a picture in any format Qt reads (BMP, GIF). Window thread.
QPixmap PictureFrom(std::span<const unsigned char> bytes, const char* format);

}  // namespace window
