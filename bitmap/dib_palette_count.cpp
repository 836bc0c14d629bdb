#include <cstddef>
#include <cstdint>

#include "bitmap/dib_format.h"
#include "bitmap/dib_reader.h"

namespace {

std::uint16_t EntriesForBitCount(std::uint16_t bitCount) {
  switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

}  // namespace

std::uint16_t DibPaletteCount(const unsigned char* infoHeader, std::size_t available) {
  using namespace dib;
  if (infoHeader == nullptr || available < 4) return 0;
  const std::uint32_t headerSize = ReadU32(infoHeader);
  if (headerSize == kCoreHeaderSize) {
    if (available < kCoreHeaderSize) return 0;
    return EntriesForBitCount(ReadU16(infoHeader + kBcBitCount));
  }
  if (available < kBiClrUsed + 4) return 0;
  const std::uint32_t biClrUsed = ReadU32(infoHeader + kBiClrUsed);
  if (biClrUsed != 0) return static_cast<std::uint16_t>(biClrUsed & 0xFFFF);
  return EntriesForBitCount(ReadU16(infoHeader + kBiBitCount));
}
