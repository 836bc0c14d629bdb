#include "bitmap/dib_convert.h"

#include <limits>

#include "bitmap/dib_encodings.h"
#include "bitmap/dib_format.h"
#include "bitmap/dib_rows.h"

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

bool DibBitsCoverEveryPixel(const DibSource& source, const DibGeometry& geometry) {
  const std::uint32_t compression = source.header.biCompression;
  if (compression == dib::kBiRle8 || compression == dib::kBiRle4) return false;
  return PlanDibRows(source, geometry).rowsPresent == geometry.rows;
}

std::int64_t ConvertDibBits(const DibSource& source, const DibGeometry& geometry,
                            unsigned char* rgb) {
  if (!IsConvertibleDib(source, geometry)) return 0;
  const DibInfoHeader& h = source.header;
  if (h.biCompression == dib::kBiRle8 || h.biCompression == dib::kBiRle4)
    return ConvertRunLengthBits(source, geometry, rgb);
  switch (h.biBitCount) {
    case 16:
    case 32: return ConvertMaskedBits(source, geometry, rgb);
    case 24: return ConvertRgb24Bits(source, geometry, rgb);
    default: return ConvertPalettisedBits(source, geometry, rgb);
  }
}
