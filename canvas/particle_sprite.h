#pragma once

#include <cstdint>
#include <vector>

// The soft round brush sprite: 128 x 128 grey pixels, 255 at the centre falling off
// radially through the levels of kSpriteLevels, 0 from 64 pixels out (so the corners
// are 0). It is the picture of Data/Particle.bmp, and the view's built-in sprite when
// that file cannot be read.
inline constexpr int kSpriteSide = 128;

// Grey level at 0, 8, 16, ... 56 pixels from the centre; linear in between, reaching 0
// at 64.
inline constexpr std::uint8_t kSpriteLevels[] = {255, 237, 196, 144, 95, 55, 29, 13};

// Grey level at distance `r` pixels from the centre.
std::uint8_t SpriteLevelAt(double r);

// Tight RGB rows, bottom row first (as the texture upload takes them).
std::vector<std::uint8_t> MakeParticleSpriteRgb();
