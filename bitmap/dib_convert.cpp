#include "bitmap/dib_convert.h"

#include <cstring>
#include <limits>

#include "bitmap/dib_encodings.h"
#include "bitmap/dib_format.h"

DibFailure PlanDibGeometry(const DibInfoHeader& header, DibGeometry& geometry) {
  if (header.biWidth <= 0 || header.biHeight == 0 ||
      header.biHeight == std::numeric_limits<std::int32_t>::min() || header.biPlanes != 1)
    return DibFailure::kConversion;
  geometry.width = header.biWidth;
  geometry.topDown = header.biHeight < 0;
  geometry.rows = geometry.topDown ? -header.biHeight : header.biHeight;
  if (geometry.width > kMaxDibSide || geometry.rows > kMaxDibSide)
    return DibFailure::kOutOfMemory;
  geometry.outputBytes =
      static_cast<std::size_t>(geometry.width) * static_cast<std::size_t>(geometry.rows) * 3;
  if (geometry.outputBytes > kMaxDibOutputBytes) return DibFailure::kOutOfMemory;
  return DibFailure::kNone;
}

bool IsConvertibleDib(const DibSource& source, const DibGeometry& geometry) {
  const unsigned bitCount = source.header.biBitCount;
  switch (source.header.biCompression) {
    case dib::kBiRgb:
      return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
             bitCount == 24 || bitCount == 32;
    case dib::kBiRle8:
      return bitCount == 8 && !geometry.topDown;
    case dib::kBiRle4:
      return bitCount == 4 && !geometry.topDown;
    case dib::kBiBitfields:
      return (bitCount == 16 || bitCount == 32) && source.hasMasks;
    default:
      return false;
  }
}

namespace {

// Source rows [lines, rows) were not in the file: their output rows become black. They
// are the top of a bottom-up picture and the bottom of a top-down one.
void ClearMissingRows(const DibGeometry& geometry, std::int64_t lines, unsigned char* rgb) {
  const std::size_t rowBytes = static_cast<std::size_t>(geometry.width) * 3;
  const std::size_t missing = (static_cast<std::size_t>(geometry.rows) - lines) * rowBytes;
  unsigned char* start = geometry.topDown ? rgb : rgb + geometry.outputBytes - missing;
  std::memset(start, 0, missing);
}

std::int64_t ConvertRows(const DibSource& source, const DibGeometry& geometry,
                         unsigned char* rgb) {
  switch (source.header.biBitCount) {
    case 16:
    case 32: return ConvertMaskedBits(source, geometry, rgb);
    case 24: return ConvertRgb24Bits(source, geometry, rgb);
    default: return ConvertPalettisedBits(source, geometry, rgb);
  }
}

}  // namespace

std::int64_t ConvertDibBits(const DibSource& source, const DibGeometry& geometry,
                            unsigned char* rgb) {
  if (!IsConvertibleDib(source, geometry)) return 0;
  const std::uint32_t compression = source.header.biCompression;
  if (compression == dib::kBiRle8 || compression == dib::kBiRle4) {
    std::memset(rgb, 0, geometry.outputBytes);  // a stream may leave any pixel unwritten
    return ConvertRunLengthBits(source, geometry, rgb);
  }
  const std::int64_t lines = ConvertRows(source, geometry, rgb);
  ClearMissingRows(geometry, lines, rgb);
  return lines;
}
