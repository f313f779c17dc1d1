// Writes the second icon of the link picture: the green tick, 17 images.
#include <cstdio>
#include <vector>

#include "tools/art/IconPixels.h"
#include "tools/art/Tick.h"
#include "tools/format/IcoFile.h"
#include "tools/format/WriteFile.h"

namespace {

// Black, green, lime, white: the 16-colour palette's nearest to a lit green.
constexpr int kGreens[] = {0, 2, 10, 15};

std::vector<fileformat::IconImage> LinkIconImages() {
  using namespace artwork;
  const auto glossy = [](int size) { return DrawTick(size, TickStyle::Glossy); };
  std::vector<fileformat::IconImage> images;
  images.push_back(ToBlackAndWhite(DrawTick(48, TickStyle::BlackAndWhite)));
  for (int size : {48, 16}) images.push_back(ToStandardPalette(glossy(size), kGreens));
  for (int size : {256, 48, 32, 16}) images.push_back(ToOwnPalette(glossy(size)));
  images.push_back(ToTrueColour(glossy(128), 24));
  for (int size : {256, 128, 96, 80, 72, 64, 48, 32, 16})
    images.push_back(ToTrueColour(glossy(size), 32));
  return images;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_link_icon OUTPUT.ico\n");
    return 2;
  }
  return fileformat::WriteOutput("make_link_icon", argv[1],
                                 fileformat::EncodeIco(LinkIconImages()));
}
