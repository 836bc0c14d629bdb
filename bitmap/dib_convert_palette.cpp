// 1, 4 and 8 bits per pixel. Each source byte holds 8, 2 or 1 indices, most significant
// first; a table gives the red-green-blue bytes of all the pixels of each byte value, so
// a whole source byte turns into output with one copy.
#include <cstring>
#include <vector>

#include "bitmap/dib_colour_table.h"
#include "bitmap/dib_encodings.h"
#include "bitmap/dib_rows.h"

namespace {

template <unsigned kBits>
struct ByteExpansion {
  static constexpr unsigned kPixelsPerByte = 8 / kBits;
  static constexpr unsigned kBytesPerByte = kPixelsPerByte * 3;
  std::vector<unsigned char> table = std::vector<unsigned char>(256 * kBytesPerByte);

  explicit ByteExpansion(const DibColourTable& colours) {
    for (unsigned value = 0; value < 256; ++value) {
      unsigned char* out = &table[value * kBytesPerByte];
      for (unsigned p = 0; p < kPixelsPerByte; ++p) {
        const unsigned shift = 8 - kBits * (p + 1);
        const unsigned index = (value >> shift) & ((1u << kBits) - 1);
        std::memcpy(out + p * 3, colours.rgb[index].data(), 3);
      }
    }
  }

  void ConvertRow(const unsigned char* src, unsigned char* dst, std::int32_t width) const {
    const std::int32_t wholeBytes = width / static_cast<std::int32_t>(kPixelsPerByte);
    for (std::int32_t i = 0; i < wholeBytes; ++i, dst += kBytesPerByte)
      std::memcpy(dst, &table[src[i] * kBytesPerByte], kBytesPerByte);
    const unsigned rest = static_cast<unsigned>(width) % kPixelsPerByte;
    if (rest != 0) std::memcpy(dst, &table[src[wholeBytes] * kBytesPerByte], rest * 3);
  }
};

template <unsigned kBits>
std::int64_t ConvertRows(const DibSource& source, const DibGeometry& geometry,
                         unsigned char* rgb) {
  const ByteExpansion<kBits> expansion(DibColourTable(source, kBits));
  const DibRowPlan plan = PlanDibRows(source, geometry);
  for (std::int32_t row = 0; row < plan.rowsPresent; ++row)
    expansion.ConvertRow(plan.SourceRow(source.bits.data(), row), plan.OutputRow(rgb, row),
                         geometry.width);
  return plan.rowsPresent;
}

}  // namespace

std::int64_t ConvertPalettisedBits(const DibSource& source, const DibGeometry& geometry,
                                   unsigned char* rgb) {
  switch (source.header.biBitCount) {
    case 1: return ConvertRows<1>(source, geometry, rgb);
    case 4: return ConvertRows<4>(source, geometry, rgb);
    case 8: return ConvertRows<8>(source, geometry, rgb);
    default: return 0;
  }
}
