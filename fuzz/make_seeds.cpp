// Writes a few small seed files for the bitmap fuzzer, one per encoding and header kind,
// so a fuzzing run starts from every path even without the conformance corpus.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

struct Seed {
  const char* name;
  bool fileHeader;
  std::uint32_t headerSize;
  std::int32_t width, height;
  std::uint16_t bitCount;
  std::uint32_t compression;
  std::uint32_t paletteEntries;
  Bytes tail;  // masks, then bits
};

Bytes Build(const Seed& s) {
  Bytes body;
  Put(body, s.headerSize, 4);
  if (s.headerSize == 12) {
    Put(body, s.width, 2);
    Put(body, s.height, 2);
    Put(body, 1, 2);
    Put(body, s.bitCount, 2);
  } else {
    Put(body, s.width, 4);
    Put(body, static_cast<std::uint32_t>(s.height), 4);
    Put(body, 1, 2);
    Put(body, s.bitCount, 2);
    Put(body, s.compression, 4);
    for (int i = 0; i < 3; ++i) Put(body, 0, 4);  // biSizeImage, biXPelsPerMeter, biYPelsPerMeter
    Put(body, s.paletteEntries, 4);
    Put(body, 0, 4);
  }
  for (std::uint32_t i = 0; i < s.paletteEntries; ++i)
    Put(body, i * 0x0D0B07, s.headerSize == 12 ? 3 : 4);
  Bytes file;
  if (s.fileHeader) {
    file = {'B', 'M'};
    Put(file, 14 + body.size() + s.tail.size(), 4);
    Put(file, 0, 4);
    Put(file, 14 + body.size() + (s.compression == 3 ? 12 : 0), 4);  // bfOffBits, past any masks
  }
  file.insert(file.end(), body.begin(), body.end());
  file.insert(file.end(), s.tail.begin(), s.tail.end());
  return file;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const Seed seeds[] = {
      {"core1.bmp", true, 12, 9, 2, 1, 0, 2, {0xA5, 0x80, 0, 0, 0x5A, 0x00, 0, 0}},
      {"packed4.dib", false, 40, 3, 2, 4, 0, 16, {0x12, 0x30, 0, 0, 0xFE, 0xD0, 0, 0}},
      {"rle8.bmp", true, 40, 4, 3, 8, 1, 4, {2, 1, 0, 0, 0, 2, 1, 1, 0, 3, 2, 3, 1, 0, 0, 1}},
      {"rle4.bmp", true, 40, 5, 2, 4, 2, 4, {3, 0x12, 0, 0, 0, 3, 0x31, 0x00, 0, 1}},
      {"bitfields16.dib", false, 40, 2, 1, 16, 3, 0,
       {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0, 0x00, 0xF8, 0x1F, 0x00}},
      {"rgb32topdown.bmp", true, 40, 1, -2, 32, 0, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
      {"rgb24w5.bmp", true, 40, 5, 1, 24, 0, 0, Bytes(16, 0x3C)},
      {"core8.dib", false, 12, 2, 1, 8, 0, 256, {0, 255, 0, 0}},
  };
  for (const Seed& seed : seeds) {
    const std::string path = std::string(argv[1]) + "/" + seed.name;
    const Bytes bytes = Build(seed);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) {
      std::perror(path.c_str());
      return 1;
    }
    std::fclose(out);
  }
  return 0;
}
