#include "canvas/particle_sprite.h"

#include <cmath>

namespace {

constexpr double kLevelSpacing = 8.0;
constexpr int kLevelCount = sizeof(kSpriteLevels) / sizeof(kSpriteLevels[0]);
// The centre pixel: the sprite is symmetric about it, so the level 64 pixels to its
// right is the first 0 and every corner is 0.
constexpr int kCentre = kSpriteSide / 2;

}  // namespace

std::uint8_t SpriteLevelAt(double r) {
  const double position = r / kLevelSpacing;
  const int below = static_cast<int>(std::floor(position));
  if (below >= kLevelCount) return 0;
  const double upper = below + 1 < kLevelCount ? kSpriteLevels[below + 1] : 0.0;
  const double t = position - below;
  const double level = kSpriteLevels[below] * (1.0 - t) + upper * t;
  return static_cast<std::uint8_t>(std::lround(level));
}

std::vector<std::uint8_t> MakeParticleSpriteRgb() {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kSpriteSide) * kSpriteSide * 3);
  std::size_t i = 0;
  for (int y = 0; y < kSpriteSide; ++y) {
    for (int x = 0; x < kSpriteSide; ++x) {
      const std::uint8_t grey = SpriteLevelAt(std::hypot(x - kCentre, y - kCentre));
      rgb[i++] = grey;
      rgb[i++] = grey;
      rgb[i++] = grey;
    }
  }
  return rgb;
}
