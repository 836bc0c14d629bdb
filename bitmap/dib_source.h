#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "bitmap/dib_failure.h"

// The fields of a BITMAPINFOHEADER, whichever header the file carried.
struct DibInfoHeader {
  std::uint32_t biSize;
  std::int32_t biWidth;
  std::int32_t biHeight;
  std::uint16_t biPlanes;
  std::uint16_t biBitCount;
  std::uint32_t biCompression;
  std::uint32_t biSizeImage;
  std::int32_t biXPelsPerMeter;
  std::int32_t biYPelsPerMeter;
  std::uint32_t biClrUsed;
  std::uint32_t biClrImportant;
};

struct DibRgbQuad {
  std::uint8_t rgbBlue;
  std::uint8_t rgbGreen;
  std::uint8_t rgbRed;
  std::uint8_t rgbReserved;
};

// Everything the converter needs, read from the file in place: the normalised header,
// the palette entries the file really holds (at most the announced count), the colour
// masks of BI_BITFIELDS, and the pixel bits up to the end of the file.
struct DibSource {
  DibInfoHeader header{};
  std::vector<DibRgbQuad> palette;
  bool hasMasks = false;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  std::span<const unsigned char> bits;
};

// Normalises the headers of `file` (a whole BMP file or a packed DIB) into `source`.
// Fails with kUnknownFormat for a header size other than 12 or 40, or a file too short
// to hold its information header.
DibFailure NormaliseDibSource(std::span<const unsigned char> file, DibSource& source);
