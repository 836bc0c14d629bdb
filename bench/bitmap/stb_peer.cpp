#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#include <stb/stb_image.h>
#include <benchmark/benchmark.h>

#include "peers.h"

std::size_t DecodeWithStb(const std::string& path) {
  int width = 0, height = 0, channels = 0;
  unsigned char* pixels = stbi_load(path.c_str(), &width, &height, &channels, 3);
  if (pixels == nullptr) return 0;
  benchmark::DoNotOptimize(pixels[0]);
  stbi_image_free(pixels);
  return static_cast<std::size_t>(width) * height * 3;
}
