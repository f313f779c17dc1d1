#pragma once
// The built-in pictures and icons, from the pixels decoded at build time (assets/PixelsFormat.h).
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <span>
#include <vector>

namespace window {

// Every image the pixels hold, in their order, over the bytes themselves (no copy): the bytes
// must outlive the images. Any thread.
std::vector<QImage> ImagesFromPixels(std::span<const unsigned char> pixels);
// Every image, one pixmap each. Window thread.
QIcon IconFromPixels(std::span<const unsigned char> pixels);
// The first image. Window thread.
QPixmap PictureFromPixels(std::span<const unsigned char> pixels);

}  // namespace window
