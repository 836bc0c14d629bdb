#include "bitmap/dib_source.h"

#include <algorithm>

#include "bitmap/dib_format.h"
#include "bitmap/dib_reader.h"

namespace {

using namespace dib;

// Where the information header and the bits lie in the file.
struct DibLayout {
  std::size_t headerOffset = 0;
  bool hasFileHeader = false;
  std::size_t bfOffBits = 0;
};

bool LocateHeader(std::span<const unsigned char> file, DibLayout& layout) {
  if (file.size() >= 2 && ReadU16(file.data()) == kFileSignature) {
    if (file.size() < kFileHeaderSize) return false;
    layout.hasFileHeader = true;
    layout.bfOffBits = ReadU32(file.data() + kBfOffBits);
    layout.headerOffset = kFileHeaderSize;
  }
  return true;
}

// Core header: 16-bit unsigned sizes, no compression, the palette count as biClrUsed.
void WidenCoreHeader(const unsigned char* h, std::uint16_t count, DibInfoHeader& out) {
  out = {};
  out.biSize = kInfoHeaderSize;
  out.biWidth = ReadU16(h + kBcWidth);
  out.biHeight = ReadU16(h + kBcHeight);
  out.biPlanes = ReadU16(h + kBcPlanes);
  out.biBitCount = ReadU16(h + kBcBitCount);
  out.biCompression = kBiRgb;
  out.biClrUsed = count;
  out.biClrImportant = count;
}

void CopyInfoHeader(const unsigned char* h, std::uint16_t count, DibInfoHeader& out) {
  out.biSize = kInfoHeaderSize;
  out.biWidth = ReadI32(h + kBiWidth);
  out.biHeight = ReadI32(h + kBiHeight);
  out.biPlanes = ReadU16(h + kBiPlanes);
  out.biBitCount = ReadU16(h + kBiBitCount);
  out.biCompression = ReadU32(h + kBiCompression);
  out.biSizeImage = ReadU32(h + kBiSizeImage);
  out.biXPelsPerMeter = ReadI32(h + kBiXPelsPerMeter);
  out.biYPelsPerMeter = ReadI32(h + kBiYPelsPerMeter);
  out.biClrUsed = ReadU32(h + kBiClrUsed);
  out.biClrImportant = ReadU32(h + kBiClrImportant);
  if (out.biClrUsed == 0) out.biClrUsed = count;
}

// Reads the entries that lie in the file before `limit`; RGBTRIPLEs gain a 0 byte.
void ReadPalette(std::span<const unsigned char> file, std::size_t start, std::size_t limit,
                 std::size_t entrySize, std::uint16_t announced, DibSource& source) {
  const std::size_t room = limit > start ? (limit - start) / entrySize : 0;
  const std::size_t carried = std::min<std::size_t>(announced, room);
  source.palette.resize(carried);
  for (std::size_t i = 0; i < carried; ++i) {
    const unsigned char* entry = file.data() + start + i * entrySize;
    source.palette[i] = {entry[0], entry[1], entry[2], 0};
    if (entrySize == kRgbQuadSize) source.palette[i].rgbReserved = entry[3];
  }
}

void ReadMasks(std::span<const unsigned char> file, std::size_t start, DibSource& source) {
  if (file.size() - start < kBitfieldMasksSize) return;  // cut off: the converter refuses
  source.hasMasks = true;
  for (std::size_t i = 0; i < 3; ++i) source.masks[i] = ReadU32(file.data() + start + 4 * i);
}

}  // namespace

DibFailure NormaliseDibSource(std::span<const unsigned char> file, DibSource& source) {
  DibLayout layout;
  if (!LocateHeader(file, layout)) return DibFailure::kUnknownFormat;
  const unsigned char* header = file.data() + layout.headerOffset;
  const std::size_t available = file.size() - layout.headerOffset;
  if (available < 4) return DibFailure::kUnknownFormat;

  const std::uint32_t headerSize = ReadU32(header);
  if ((headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize) || available < headerSize)
    return DibFailure::kUnknownFormat;

  const std::uint16_t count = DibPaletteCount(header, available);
  const bool core = headerSize == kCoreHeaderSize;
  if (core) WidenCoreHeader(header, count, source.header);
  else CopyInfoHeader(header, count, source.header);

  std::size_t paletteStart = layout.headerOffset + headerSize;
  if (!core && source.header.biCompression == kBiBitfields) {
    ReadMasks(file, paletteStart, source);
    paletteStart += kBitfieldMasksSize;
  }
  const std::size_t entrySize = core ? kRgbTripleSize : kRgbQuadSize;
  const std::size_t bitsStart =
      layout.hasFileHeader ? layout.bfOffBits : paletteStart + count * entrySize;

  // A palette ends at the end of the file, or earlier where the bits begin inside it.
  const std::size_t paletteLimit =
      (layout.hasFileHeader && bitsStart >= paletteStart) ? std::min(bitsStart, file.size())
                                                          : file.size();
  ReadPalette(file, std::min(paletteStart, file.size()), paletteLimit, entrySize, count, source);
  source.bits = bitsStart < file.size() ? file.subspan(bitsStart) : file.subspan(file.size());
  return DibFailure::kNone;
}
