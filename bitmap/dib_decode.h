#pragma once

#include <span>

#include "bitmap/dib_failure.h"
#include "bitmap/rgb_image.h"

// Decodes a BMP file, or a packed DIB, held in memory, without reporting anything. On
// success `*image` is a new image (free it with FreeRgbImage) and the result is kNone;
// otherwise `*image` is null and the result says why. Reads only inside `file`.
DibFailure DecodeDibImage(std::span<const unsigned char> file, RgbImage** image);
