#pragma once

#include <array>
#include <cstdint>

#include "bitmap/dib_source.h"

// The palette as the pixel indices of a bit depth can use it: at most 2, 16 or 256 of the
// entries the file carries, in red-green-blue order. Indices past those are black.
struct DibColourTable {
  std::array<std::array<std::uint8_t, 3>, 256> rgb{};

  DibColourTable(const DibSource& source, unsigned bitsPerIndex) {
    const std::size_t addressable = std::size_t{1} << bitsPerIndex;
    const std::size_t used = source.palette.size() < addressable ? source.palette.size()
                                                                 : addressable;
    for (std::size_t i = 0; i < used; ++i) {
      const DibRgbQuad& q = source.palette[i];
      rgb[i] = {q.rgbRed, q.rgbGreen, q.rgbBlue};
    }
  }
};
