// BI_RLE8 and BI_RLE4: a stream of two-byte commands over a bottom-up picture.
//   n > 0, c     a run of n pixels of index c (RLE4: the two nibbles of c alternate)
//   0, 0         end of line: next row, column 0
//   0, 1         end of bitmap
//   0, 2, dx, dy move right dx and up dy, leaving the pixels passed unwritten
//   0, n >= 3    n indices follow literally, padded to an even number of bytes
// Pixels the stream never writes stay black. Runs that pass the right or top edge are
// clipped; nothing is read past the end of the bits.
#include <algorithm>

#include "bitmap/dib_colour_table.h"
#include "bitmap/dib_encodings.h"
#include "bitmap/dib_format.h"

namespace {

class CRunLengthDecoder {
 public:
  CRunLengthDecoder(const DibSource& source, const DibGeometry& geometry, unsigned char* rgb)
      : colours(source, source.header.biBitCount),
        bits(source.bits),
        fourBit(source.header.biCompression == dib::kBiRle4),
        width(geometry.width),
        rows(geometry.rows),
        rgb(rgb) {}

  // Returns the rows the stream reached: all of them after an end-of-bitmap.
  std::int64_t Decode() {
    std::size_t at = 0;
    while (at + 2 <= bits.size() && y < rows) {
      const unsigned count = bits[at];
      const unsigned value = bits[at + 1];
      at += 2;
      if (count > 0) {
        EncodedRun(count, value);
      } else if (value == 0) {
        x = 0;
        ++y;
      } else if (value == 1) {
        return rows;
      } else if (value == 2) {
        if (at + 2 > bits.size()) break;
        x += bits[at];
        y += bits[at + 1];
        at += 2;
      } else if (!AbsoluteRun(value, at)) {
        break;
      }
    }
    if (y >= rows) return rows;
    return y + (x > 0 ? 1 : 0);
  }

 private:
  void Put(std::int64_t column, unsigned index) {
    unsigned char* out = rgb + (static_cast<std::size_t>(y) * width + column) * 3;
    const auto& colour = colours.rgb[index];
    out[0] = colour[0];
    out[1] = colour[1];
    out[2] = colour[2];
  }

  // Pixels from x on that still lie inside the row.
  std::int64_t VisibleFrom(unsigned count) const {
    return x >= width ? 0 : std::min<std::int64_t>(count, width - x);
  }

  void EncodedRun(unsigned count, unsigned value) {
    const std::int64_t visible = VisibleFrom(count);
    for (std::int64_t k = 0; k < visible; ++k)
      Put(x + k, fourBit ? ((k & 1) ? value & 0x0F : value >> 4) : value);
    x += count;
  }

  // Lays the literal indices present; false when they run past the end of the bits.
  bool AbsoluteRun(unsigned count, std::size_t& at) {
    const std::size_t bytes = fourBit ? (count + 1) / 2 : count;
    const std::size_t present = std::min(bytes, bits.size() - at);
    const std::int64_t presentPixels = fourBit ? present * 2 : present;
    const std::int64_t visible = std::min(VisibleFrom(count), presentPixels);
    for (std::int64_t k = 0; k < visible; ++k) {
      const unsigned byte = bits[at + (fourBit ? k / 2 : k)];
      Put(x + k, fourBit ? ((k & 1) ? byte & 0x0F : byte >> 4) : byte);
    }
    if (present < bytes) {
      x += presentPixels;  // what was laid counts for the row reached
      return false;
    }
    x += count;
    at += std::min(bits.size() - at, (bytes + 1) & ~std::size_t{1});
    return true;
  }

  const DibColourTable colours;
  const std::span<const unsigned char> bits;
  const bool fourBit;
  const std::int64_t width;
  const std::int64_t rows;
  unsigned char* const rgb;
  std::int64_t x = 0;
  std::int64_t y = 0;
};

}  // namespace

std::int64_t ConvertRunLengthBits(const DibSource& source, const DibGeometry& geometry,
                                  unsigned char* rgb) {
  return CRunLengthDecoder(source, geometry, rgb).Decode();
}
