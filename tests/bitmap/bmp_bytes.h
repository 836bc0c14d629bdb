#pragma once

// Small BMP files assembled byte by byte, so each test states exactly what lies where.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bitmap/rgb_image.h"

using Bytes = std::vector<std::uint8_t>;

struct BmpLayout {
  bool fileHeader = true;
  std::uint32_t headerSize = 40;  // 12 writes a BITMAPCOREHEADER; others pad with zeros
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t clrUsed = 0;
  std::vector<std::array<std::uint8_t, 3>> palette;  // blue, green, red
  std::vector<std::uint32_t> masks;                  // written right after the header
  std::size_t gap = 0;  // junk bytes between the palette and the bits (with a file header)
  Bytes bits;
};

void PutU16(Bytes& out, std::uint32_t value);
void PutU32(Bytes& out, std::uint32_t value);

// The whole file; bfOffBits points past the gap.
Bytes BuildBmp(const BmpLayout& layout);

// Rows of pixel bytes, each padded with zeros to a multiple of 4 bytes.
Bytes PadRows(const std::vector<Bytes>& rows);

// Writes `bytes` to a fresh file in the test's temporary folder and returns its path.
std::string WriteTempFile(const std::string& name, const Bytes& bytes);

// The image as bytes (width * height * 3), for comparisons that print well.
Bytes PixelsOf(const RgbImage& image);
