#include "canvas/particle_sprite.h"

#include <gtest/gtest.h>

#include <QFile>

#include "bitmap/dib_reader.h"

namespace {

TEST(ParticleSprite, LevelsFallOffRadiallyToZeroInTheCorners) {
  const std::vector<std::uint8_t> rgb = MakeParticleSpriteRgb();
  ASSERT_EQ(rgb.size(), static_cast<std::size_t>(kSpriteSide * kSpriteSide * 3));
  auto at = [&](int x, int y) { return rgb[(static_cast<std::size_t>(y) * kSpriteSide + x) * 3]; };
  const int levels[] = {255, 237, 196, 144, 95, 55, 29, 13};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(at(64 + 8 * i, 64), levels[i]) << i * 8 << " px right";
  for (auto [x, y] : {std::pair{0, 0}, {127, 0}, {0, 127}, {127, 127}}) EXPECT_EQ(at(x, y), 0);
  for (std::size_t i = 0; i < rgb.size(); i += 3) {
    ASSERT_EQ(rgb[i], rgb[i + 1]);
    ASSERT_EQ(rgb[i], rgb[i + 2]);
  }
}

// The committed sprite file is what the generator makes, read through the reader.
TEST(ParticleSprite, CommittedBitmapMatchesTheGenerator) {
  ASSERT_TRUE(QFile::exists(QStringLiteral("Data/Particle.bmp")));
  RgbImage* image = ReadDibImage("Data/Particle.bmp");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->width, kSpriteSide);
  EXPECT_EQ(image->height, kSpriteSide);
  const std::vector<std::uint8_t> expected = MakeParticleSpriteRgb();
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), image->pixels));
  FreeRgbImage(image);
}

}  // namespace
