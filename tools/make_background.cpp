// Writes the window's background picture as a 24-bit BMP file.
#include <cstdio>

#include "tools/art/Background.h"
#include "tools/format/BmpFile.h"
#include "tools/format/WriteFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_background OUTPUT.bmp\n");
    return 2;
  }
  return fileformat::WriteOutput("make_background", argv[1],
                                 fileformat::EncodeBmp24(artwork::DrawBackground()));
}
