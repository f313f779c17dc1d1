#pragma once
// Decodes the embedded pictures the way the window does, through Qt's image readers.
#include <QImage>
#include <span>

namespace assets_test {

// Image `index` of an ICO file, or the only image of a BMP or GIF file (index 0), as ARGB32;
// a null image when Qt cannot decode it.
QImage Decode(std::span<const unsigned char> file, int index = 0);

// How many images Qt finds in the file.
int ImageCount(std::span<const unsigned char> file);

}  // namespace assets_test
