#pragma once

#include <cstdint>

#include "bitmap/dib_convert.h"
#include "bitmap/dib_source.h"

// One converter per encoding; each has the contract of ConvertDibBits.

// 1, 4 and 8 bits per pixel, BI_RGB: palette indices.
std::int64_t ConvertPalettisedBits(const DibSource& source, const DibGeometry& geometry,
                                   unsigned char* rgb);
// BI_RLE8 (8 bits per pixel) and BI_RLE4 (4 bits per pixel), bottom-up only.
std::int64_t ConvertRunLengthBits(const DibSource& source, const DibGeometry& geometry,
                                  unsigned char* rgb);
// 16 and 32 bits per pixel: BI_BITFIELDS masks, or the BI_RGB defaults 5-5-5 and 8-8-8.
std::int64_t ConvertMaskedBits(const DibSource& source, const DibGeometry& geometry,
                               unsigned char* rgb);
// 24 bits per pixel, blue-green-red.
std::int64_t ConvertRgb24Bits(const DibSource& source, const DibGeometry& geometry,
                              unsigned char* rgb);
