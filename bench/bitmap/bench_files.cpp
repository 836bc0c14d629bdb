#include "bench_files.h"

#include <cstdint>
#include <fstream>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A file header and a 40-byte info header, then masks, palette and bits.
Bytes Bmp(int width, int height, int bitCount, int compression, const Bytes& extra,
          const Bytes& bits) {
  Bytes file = {'B', 'M'};
  Put(file, static_cast<std::uint32_t>(54 + extra.size() + bits.size()), 4);
  Put(file, 0, 4);
  Put(file, static_cast<std::uint32_t>(54 + extra.size()), 4);
  Put(file, 40, 4);
  Put(file, width, 4);
  Put(file, height, 4);
  Put(file, 1, 2);
  Put(file, bitCount, 2);
  Put(file, compression, 4);
  Put(file, static_cast<std::uint32_t>(bits.size()), 4);
  Put(file, 2835, 4);
  Put(file, 2835, 4);
  Put(file, 0, 4);  // biClrUsed: the full palette of the depth
  Put(file, 0, 4);
  file.insert(file.end(), extra.begin(), extra.end());
  file.insert(file.end(), bits.begin(), bits.end());
  return file;
}

Bytes Palette(int entries) {
  Bytes p;
  for (int i = 0; i < entries; ++i) p.insert(p.end(), {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7), 0});
  return p;
}

// A smooth picture with some noise, so no decoder gets a trivially uniform input.
std::uint8_t Sample(int x, int y, int channel) {
  const std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
  return static_cast<std::uint8_t>((x + y * (channel + 1)) / 16 + ((h >> (channel * 3)) & 7));
}

Bytes Rows(int width, int height, int bitCount) {
  const std::size_t stride = (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
  Bytes bits(stride * height, 0);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = &bits[stride * y];
    for (int x = 0; x < width; ++x) {
      if (bitCount == 24) for (int c = 0; c < 3; ++c) row[x * 3 + c] = Sample(x, y, c);
      if (bitCount == 8) row[x] = Sample(x, y, 0);
      if (bitCount == 1 && (Sample(x, y, 1) & 8)) row[x / 8] |= 0x80 >> (x % 8);
      if (bitCount == 32) for (int c = 0; c < 4; ++c) row[x * 4 + c] = Sample(x, y, c);
    }
  }
  return bits;
}

// Runs of 1 to 40 pixels, every eighth run written literally, one line at a time.
Bytes Rle8(int width, int height) {
  Bytes bits;
  for (int y = 0; y < height; ++y) {
    int x = 0, run = 0;
    while (x < width) {
      int n = std::min(width - x, 1 + (x * 7 + y * 3) % 40);
      const std::uint8_t colour = Sample(x, y, 0);
      if (++run % 8 == 0 && n >= 3) {
        bits.insert(bits.end(), {0, std::uint8_t(n)});
        for (int k = 0; k < n; ++k) bits.push_back(Sample(x + k, y, 2));
        if (n % 2) bits.push_back(0);
      } else {
        bits.insert(bits.end(), {std::uint8_t(n), colour});
      }
      x += n;
    }
    bits.insert(bits.end(), {0, 0});
  }
  bits.insert(bits.end(), {0, 1});
  return bits;
}

void Write(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

std::vector<BenchFile> WriteBenchFiles(const std::string& folder) {
  Bytes masks;
  for (std::uint32_t m : {0x00FF0000u, 0x0000FF00u, 0x000000FFu}) Put(masks, m, 4);
  const int big = 4096, mid = 2048;
  struct FileRecipe { const char* label; const char* name; int side; Bytes file; };
  FileRecipe recipes[] = {
      {"24bpp 4096x4096", "rgb24.bmp", big, Bmp(big, big, 24, 0, {}, Rows(big, big, 24))},
      {"8bpp 4096x4096", "pal8.bmp", big, Bmp(big, big, 8, 0, Palette(256), Rows(big, big, 8))},
      {"1bpp 4096x4096", "pal1.bmp", big, Bmp(big, big, 1, 0, Palette(2), Rows(big, big, 1))},
      {"RLE8 4096x4096", "rle8.bmp", big, Bmp(big, big, 8, 1, Palette(256), Rle8(big, big))},
      {"32bpp bitfields 2048x2048", "bf32.bmp", mid, Bmp(mid, mid, 32, 3, masks, Rows(mid, mid, 32))},
  };
  std::vector<BenchFile> files;
  for (FileRecipe& s : recipes) {
    const std::string path = folder + "/" + s.name;
    Write(path, s.file);
    files.push_back({s.label, path, static_cast<std::size_t>(s.side) * s.side * 3});
  }
  return files;
}
