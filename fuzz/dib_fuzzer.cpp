// libFuzzer target: any bytes, read as a BMP file or packed DIB, must decode or fail
// cleanly, reading only inside the input and leaking nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "bitmap/dib_decode.h"
#include "bitmap/dib_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  (void)DibPaletteCount(data, size);
  RgbImage* image = nullptr;
  const DibFailure failure = DecodeDibImage({data, size}, &image);
  if ((failure == DibFailure::kNone) != (image != nullptr)) std::abort();
  if (image != nullptr) {
    if (image->width <= 0 || image->height <= 0) std::abort();
    // Touch both ends of the pixel block: AddressSanitizer reports one that is too short.
    const std::size_t last = static_cast<std::size_t>(image->width) * image->height * 3 - 1;
    volatile unsigned char sink = image->pixels[0] ^ image->pixels[last];
    (void)sink;
  }
  FreeRgbImage(image);
  return 0;
}
