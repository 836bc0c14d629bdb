#include "bmp_bytes.h"

#include <gtest/gtest.h>

#include <fstream>

void PutU16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(Bytes& out, std::uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

namespace {

Bytes InfoHeader(const BmpLayout& layout) {
  Bytes h;
  PutU32(h, layout.headerSize);
  if (layout.headerSize == 12) {
    PutU16(h, static_cast<std::uint32_t>(layout.width));
    PutU16(h, static_cast<std::uint32_t>(layout.height));
    PutU16(h, layout.planes);
    PutU16(h, layout.bitCount);
    return h;
  }
  PutU32(h, static_cast<std::uint32_t>(layout.width));
  PutU32(h, static_cast<std::uint32_t>(layout.height));
  PutU16(h, layout.planes);
  PutU16(h, layout.bitCount);
  PutU32(h, layout.compression);
  PutU32(h, static_cast<std::uint32_t>(layout.bits.size()));  // biSizeImage
  PutU32(h, 2835);                                           // 72 dpi, both ways
  PutU32(h, 2835);
  PutU32(h, layout.clrUsed);
  PutU32(h, 0);  // biClrImportant
  h.resize(layout.headerSize < 40 ? 40 : layout.headerSize, 0);
  return h;
}

}  // namespace

Bytes BuildBmp(const BmpLayout& layout) {
  Bytes body = InfoHeader(layout);
  for (std::uint32_t mask : layout.masks) PutU32(body, mask);
  for (const auto& entry : layout.palette) {
    body.insert(body.end(), entry.begin(), entry.end());
    if (layout.headerSize != 12) body.push_back(0x5A);  // reserved byte: must be ignored
  }
  Bytes file;
  if (layout.fileHeader) {
    const std::uint32_t offBits = static_cast<std::uint32_t>(14 + body.size() + layout.gap);
    file = {'B', 'M'};
    PutU32(file, static_cast<std::uint32_t>(offBits + layout.bits.size()));  // bfSize
    PutU32(file, 0);                                                       // reserved
    PutU32(file, offBits);
  }
  file.insert(file.end(), body.begin(), body.end());
  if (layout.fileHeader) file.insert(file.end(), layout.gap, 0xEE);
  file.insert(file.end(), layout.bits.begin(), layout.bits.end());
  return file;
}

Bytes PadRows(const std::vector<Bytes>& rows) {
  Bytes out;
  for (const Bytes& row : rows) {
    out.insert(out.end(), row.begin(), row.end());
    out.resize((out.size() + 3) / 4 * 4, 0);
  }
  return out;
}

std::string WriteTempFile(const std::string& name, const Bytes& bytes) {
  const std::string path = testing::TempDir() + "vell_bitmap_" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

Bytes PixelsOf(const RgbImage& image) {
  const std::size_t size = static_cast<std::size_t>(image.width) * image.height * 3;
  return Bytes(image.pixels, image.pixels + size);
}
