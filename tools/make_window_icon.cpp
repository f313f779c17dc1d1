// Writes the window's icon (the blue star, 13 images) and PNG copies of the star for the
// desktop's icon theme.
#include <QImage>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/art/IconPixels.h"
#include "tools/art/Star.h"
#include "tools/art/ToQImage.h"
#include "tools/format/IcoFile.h"
#include "tools/format/WriteFile.h"

namespace {

// Pure blue dithered with grey.
constexpr int kBlueAndGrey[] = {12, 8};

std::vector<fileformat::IconImage> WindowIconImages() {
  using namespace artwork;
  std::vector<fileformat::IconImage> images;
  for (int size : {48, 32, 16})
    images.push_back(ToStandardPalette(DrawStar(size, false), kBlueAndGrey));
  for (int size : {48, 32, 16}) images.push_back(ToOwnPalette(DrawStar(size, false)));
  for (int size : {128, 96, 72, 64, 48, 32, 16})
    images.push_back(ToTrueColour(DrawStar(size, true), 32));
  return images;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_window_icon OUTPUT.ico PNG_PREFIX\n");
    return 2;
  }
  if (const int failed = fileformat::WriteOutput("make_window_icon", argv[1],
                                                 fileformat::EncodeIco(WindowIconImages())))
    return failed;
  // PREFIX-16.png ... PREFIX-128.png, the sizes a desktop icon theme asks for.
  for (int size : {16, 32, 48, 64, 72, 96, 128}) {
    const std::string path = std::string(argv[2]) + "-" + std::to_string(size) + ".png";
    if (!artwork::ToQImage(artwork::DrawStar(size, true))
             .save(QString::fromStdString(path), "PNG")) {
      std::fprintf(stderr, "make_window_icon: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
