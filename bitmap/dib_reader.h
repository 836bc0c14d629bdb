#pragma once

#include <cstddef>
#include <cstdint>

#include "bitmap/dib_error_reporter.h"
#include "bitmap/rgb_image.h"

// Reads a BMP/DIB file (with or without its 14-byte file header, 12- or 40-byte
// information header) into a new RgbImage. On failure it reports the reason through the
// installed DibErrorReporter and returns null; the caller only tells an image from none.
// `path` is UTF-8 text.
RgbImage* ReadDibImage(const char* path);

// As ReadDibImage; with `wide` set, `path` points to null-terminated UTF-16 text
// (char16_t), converted to UTF-8 for opening and for the failure message.
RgbImage* ReadDibImageEx(const void* path, bool wide);

// Number of palette entries the information header announces: from the bit depth for a
// core header or a biClrUsed of 0 (2, 16, 256, else 0), otherwise the low 16 bits of
// biClrUsed. `available` is the number of readable bytes from `infoHeader`; a header cut
// short announces none.
std::uint16_t DibPaletteCount(const unsigned char* infoHeader, std::size_t available);
