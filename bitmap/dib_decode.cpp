#include "bitmap/dib_decode.h"

#include <cstdlib>
#include <memory>
#include <new>

#include "bitmap/dib_convert.h"
#include "bitmap/dib_source.h"

namespace {

struct FreeDeleter {
  void operator()(void* block) const { std::free(block); }
};
using Block = std::unique_ptr<unsigned char, FreeDeleter>;

DibFailure Decode(std::span<const unsigned char> file, RgbImage** image) {
  DibSource source;
  if (const DibFailure f = NormaliseDibSource(file, source); f != DibFailure::kNone) return f;
  DibGeometry geometry;
  if (const DibFailure f = PlanDibGeometry(source.header, geometry); f != DibFailure::kNone)
    return f;
  if (!IsConvertibleDib(source, geometry)) return DibFailure::kConversion;

  // A complete uncompressed picture overwrites every byte, so clearing would be a wasted
  // pass; otherwise the pixels the bits do not reach must be black. (A large calloc gets
  // fresh zero pages, so a huge picture with few bits costs no clearing either.)
  const std::size_t bytes = geometry.outputBytes;
  Block pixels(static_cast<unsigned char*>(DibBitsCoverEveryPixel(source, geometry)
                                               ? std::malloc(bytes)
                                               : std::calloc(bytes, 1)));
  if (!pixels) return DibFailure::kOutOfMemory;
  if (ConvertDibBits(source, geometry, pixels.get()) == 0) return DibFailure::kConversion;

  auto* record = static_cast<RgbImage*>(std::malloc(sizeof(RgbImage)));
  if (record == nullptr) return DibFailure::kOutOfMemory;
  *record = {geometry.width, geometry.rows, pixels.release()};
  *image = record;
  return DibFailure::kNone;
}

}  // namespace

DibFailure DecodeDibImage(std::span<const unsigned char> file, RgbImage** image) {
  *image = nullptr;
  try {
    return Decode(file, image);
  } catch (const std::bad_alloc&) {  // the palette copy
    return DibFailure::kOutOfMemory;
  }
}

void FreeRgbImage(RgbImage* image) {
  if (image == nullptr) return;
  std::free(image->pixels);
  std::free(image);
}
