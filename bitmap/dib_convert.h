#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/dib_failure.h"
#include "bitmap/dib_source.h"

// Our stand-in for the platform's DIB conversion: it turns the bits of a normalised
// source into the reader's output directly, tight red-green-blue rows with the bottom
// row first, and reports how many lines it converted (0 meaning it could not).

// The output the source asks for.
struct DibGeometry {
  std::int32_t width = 0;
  std::int32_t rows = 0;      // |biHeight|
  bool topDown = false;       // negative biHeight: the file stores the top row first
  std::size_t outputBytes = 0;
};

// Largest side and largest output the reader accepts; larger images are refused as
// "Out of memory." before anything large is allocated.
inline constexpr std::int32_t kMaxDibSide = 65535;
inline constexpr std::size_t kMaxDibOutputBytes = std::size_t{256} << 20;

// Validates width, height and planes (kConversion) and the output size (kOutOfMemory).
DibFailure PlanDibGeometry(const DibInfoHeader& header, DibGeometry& geometry);

// True when the converter covers the source's bit count and compression.
bool IsConvertibleDib(const DibSource& source, const DibGeometry& geometry);

// True when the bits set every output pixel: uncompressed, with every row present.
bool DibBitsCoverEveryPixel(const DibSource& source, const DibGeometry& geometry);

// Writes the picture into `rgb` (geometry.outputBytes bytes) and returns the lines
// converted. Only the pixels the bits reach are written, so `rgb` must be cleared
// (black) beforehand unless DibBitsCoverEveryPixel.
std::int64_t ConvertDibBits(const DibSource& source, const DibGeometry& geometry,
                            unsigned char* rgb);
