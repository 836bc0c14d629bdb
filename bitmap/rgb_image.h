#pragma once

#include <cstdint>

// A decoded picture: `height` rows of `width` pixels, 3 bytes a pixel in the order red,
// green, blue, rows packed with no gap, the bottom row of the picture first (the order
// an OpenGL texture upload expects). Width and height are always positive.
//
// The record and the pixel block both come from the C heap (std::malloc); the caller owns
// them and releases them with FreeRgbImage (pixel block first, then the record).
struct RgbImage {
  std::int32_t width;
  std::int32_t height;
  unsigned char* pixels;
};

// Releases an image returned by the reader; null is allowed and does nothing.
void FreeRgbImage(RgbImage* image);
