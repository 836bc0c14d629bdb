// Writes the brush sprite, Data/Particle.bmp: 128 x 128 pixels at 24 bits, grey, the
// soft round picture of canvas/particle_sprite. Run from the repository's root (or give
// the output path); the file is committed, so only a change of the picture needs it.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "canvas/particle_sprite.h"

namespace {

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// BITMAPFILEHEADER + BITMAPINFOHEADER + bottom-up BGR rows (128 * 3 bytes: no padding).
std::vector<std::uint8_t> EncodeBmp24(const std::vector<std::uint8_t>& rgb, int side) {
  const std::uint32_t rowBytes = static_cast<std::uint32_t>(side) * 3;
  const std::uint32_t bitsSize = rowBytes * static_cast<std::uint32_t>(side);
  const std::uint32_t offBits = 14 + 40;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLe(out, offBits + bitsSize, 4);  // bfSize
  PutLe(out, 0, 4);                   // bfReserved1, bfReserved2
  PutLe(out, offBits, 4);             // bfOffBits
  PutLe(out, 40, 4);                  // biSize
  PutLe(out, static_cast<std::uint32_t>(side), 4);  // biWidth
  PutLe(out, static_cast<std::uint32_t>(side), 4);  // biHeight: positive, bottom-up
  PutLe(out, 1, 2);                   // biPlanes
  PutLe(out, 24, 2);                  // biBitCount
  PutLe(out, 0, 4);                   // biCompression: BI_RGB
  PutLe(out, bitsSize, 4);            // biSizeImage
  PutLe(out, 2835, 4);                // biXPelsPerMeter (72 dpi)
  PutLe(out, 2835, 4);                // biYPelsPerMeter
  PutLe(out, 0, 4);                   // biClrUsed
  PutLe(out, 0, 4);                   // biClrImportant
  for (std::size_t i = 0; i < rgb.size(); i += 3) {
    out.push_back(rgb[i + 2]);
    out.push_back(rgb[i + 1]);
    out.push_back(rgb[i]);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "Data/Particle.bmp";
  const std::vector<std::uint8_t> bmp = EncodeBmp24(MakeParticleSpriteRgb(), kSpriteSide);
  std::FILE* file = std::fopen(path, "wb");
  if (!file) {
    std::fprintf(stderr, "make_particle_bmp: cannot write %s\n", path);
    return 1;
  }
  const bool written = std::fwrite(bmp.data(), 1, bmp.size(), file) == bmp.size();
  if (std::fclose(file) != 0 || !written) {
    std::fprintf(stderr, "make_particle_bmp: writing %s failed\n", path);
    return 1;
  }
  std::printf("wrote %s (%zu bytes)\n", path, bmp.size());
  return 0;
}
