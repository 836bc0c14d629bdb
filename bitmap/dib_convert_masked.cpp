// 16 and 32 bits per pixel. Each channel is the pixel's bits under its mask, shifted
// down and scaled to 8 bits as round(v * 255 / (2^bits - 1)); an empty mask gives 0.
// A channel wider than 16 bits (possible only at 32 bpp) keeps its top 8 bits instead:
// that is how the conformance corpus renders such channels (rgb32-7187, 18-bit green).
// BI_RGB means 5-5-5 for 16 bits and 8-8-8 (top byte unused) for 32 bits.
#include <bit>
#include <cstring>
#include <vector>

#include "bitmap/dib_encodings.h"
#include "bitmap/dib_format.h"
#include "bitmap/dib_rows.h"

namespace {

// Channels of up to this many bits scale by rounding, through a table.
inline constexpr unsigned kMaxRoundedBits = 16;

class CChannel {
 public:
  explicit CChannel(std::uint32_t mask) : mask(mask) {
    if (mask == 0) return;
    shift = static_cast<unsigned>(std::countr_zero(mask));
    bits = static_cast<unsigned>(std::bit_width(mask >> shift));
    if (bits > kMaxRoundedBits) return;
    table.resize(std::size_t{1} << bits);
    for (std::uint32_t v = 0; v < table.size(); ++v) table[v] = Rounded(v);
  }

  std::uint8_t operator()(std::uint32_t pixel) const {
    if (mask == 0) return 0;
    const std::uint32_t v = (pixel & mask) >> shift;
    return table.empty() ? static_cast<std::uint8_t>(v >> (bits - 8)) : table[v];
  }

 private:
  // round(v * 255 / max), half up, in integers: floor((2 * v * 255 + max) / (2 * max)).
  std::uint8_t Rounded(std::uint32_t v) const {
    const std::uint32_t max = (std::uint32_t{1} << bits) - 1;
    return static_cast<std::uint8_t>((2 * v * 255 + max) / (2 * max));
  }

  std::uint32_t mask;
  unsigned shift = 0;
  unsigned bits = 0;
  std::vector<std::uint8_t> table;
};

std::array<std::uint32_t, 3> MasksOf(const DibSource& source) {
  if (source.header.biCompression == dib::kBiBitfields) return source.masks;
  if (source.header.biBitCount == 16) return {0x7C00, 0x03E0, 0x001F};
  return {0x00FF0000, 0x0000FF00, 0x000000FF};
}

// The byte of a little-endian 32-bit pixel that a whole-byte mask selects, or -1.
int WholeByteOf(std::uint32_t mask) {
  for (int byte = 0; byte < 4; ++byte)
    if (mask == 0xFFu << (8 * byte)) return byte;
  return -1;
}

// 32 bits with 8-bit masks on whole bytes (the usual 8-8-8): the channels are bytes of
// the pixel, and scaling 8 bits to 8 bits changes nothing, so they are copied.
bool ConvertWholeByteRows(const DibSource& source, const DibGeometry& geometry,
                          unsigned char* rgb, std::int64_t& lines) {
  const auto masks = MasksOf(source);
  const int red = WholeByteOf(masks[0]), green = WholeByteOf(masks[1]),
            blue = WholeByteOf(masks[2]);
  if (source.header.biBitCount != 32 || red < 0 || green < 0 || blue < 0) return false;
  const DibRowPlan plan = PlanDibRows(source, geometry);
  for (std::int32_t row = 0; row < plan.rowsPresent; ++row) {
    const unsigned char* src = plan.SourceRow(source.bits.data(), row);
    unsigned char* dst = plan.OutputRow(rgb, row);
    for (std::int32_t i = 0; i < geometry.width; ++i, src += 4, dst += 3) {
      dst[0] = src[red];
      dst[1] = src[green];
      dst[2] = src[blue];
    }
  }
  lines = plan.rowsPresent;
  return true;
}

template <unsigned kBytesPerPixel>
std::int64_t ConvertRows(const DibSource& source, const DibGeometry& geometry,
                         unsigned char* rgb) {
  const auto masks = MasksOf(source);
  const CChannel red(masks[0]), green(masks[1]), blue(masks[2]);
  const DibRowPlan plan = PlanDibRows(source, geometry);
  for (std::int32_t row = 0; row < plan.rowsPresent; ++row) {
    const unsigned char* src = plan.SourceRow(source.bits.data(), row);
    unsigned char* dst = plan.OutputRow(rgb, row);
    for (std::int32_t i = 0; i < geometry.width; ++i, src += kBytesPerPixel, dst += 3) {
      const std::uint32_t pixel = kBytesPerPixel == 2 ? dib::ReadU16(src) : dib::ReadU32(src);
      dst[0] = red(pixel);
      dst[1] = green(pixel);
      dst[2] = blue(pixel);
    }
  }
  return plan.rowsPresent;
}

}  // namespace

std::int64_t ConvertMaskedBits(const DibSource& source, const DibGeometry& geometry,
                               unsigned char* rgb) {
  if (std::int64_t lines = 0; ConvertWholeByteRows(source, geometry, rgb, lines)) return lines;
  return source.header.biBitCount == 16 ? ConvertRows<2>(source, geometry, rgb)
                                        : ConvertRows<4>(source, geometry, rgb);
}
