#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Images and the .ico file layout: an ICONDIR, one ICONDIRENTRY per image, then each
// image as a DIB (BITMAPINFOHEADER, palette, XOR bitmap, AND mask) with doubled height.

struct Rgba {
  std::uint8_t r, g, b, a;
};

// A 32-bit image, rows top first. Alpha 0 pixels are also transparent in the AND mask.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<Rgba> pixels;
};

struct Rgb {
  std::uint8_t r, g, b;
};

// A 4-bit image: 16 palette entries, one index per pixel, rows top first.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::array<Rgb, 16> palette{};
  std::vector<std::uint8_t> indices;
  std::vector<bool> transparent;
};

// The bytes of an .ico file holding the images in the given order.
std::vector<std::uint8_t> EncodeIco(const std::vector<RgbaImage>& trueColour,
                                    const std::vector<IndexedImage>& sixteenColour);
