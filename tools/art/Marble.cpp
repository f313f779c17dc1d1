#include "tools/art/Marble.h"

#include <cmath>

#include "tools/art/Noise.h"

namespace artwork {

Canvas DrawMarble(int width, int height) {
  Canvas marble(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double cloud = FractalNoise(x / 30.0, y / 30.0, 4, 101) - 0.5;
      const double turbulence = FractalNoise(x / 70.0, y / 70.0, 5, 211);
      const double wave = std::sin((x * 0.8 + y * 0.5) / 12.0 + 4.0 * turbulence);
      const double vein =
          std::exp(-wave * wave / 0.03) * (0.3 + 0.7 * FractalNoise(x / 25.0, y / 25.0, 3, 307));
      const double grey = 231.0 + 12.0 * cloud - 30.0 * vein;
      marble.at(x, y) = FromRgb(grey, grey, grey + 3.0);
    }
  }
  return marble;
}

}  // namespace artwork
