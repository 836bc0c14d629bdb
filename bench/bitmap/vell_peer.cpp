#include <benchmark/benchmark.h>

#include "bitmap/dib_reader.h"
#include "peers.h"

std::size_t DecodeWithVell(const std::string& path) {
  RgbImage* image = ReadDibImage(path.c_str());
  if (image == nullptr) return 0;
  benchmark::DoNotOptimize(image->pixels[0]);
  const std::size_t bytes = static_cast<std::size_t>(image->width) * image->height * 3;
  FreeRgbImage(image);
  return bytes;
}
