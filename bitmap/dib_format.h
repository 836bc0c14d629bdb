#pragma once

// Field offsets and constants of the published BMP/DIB layout, and little-endian reads
// that never assume alignment (the information header starts at byte 14 of a file).

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace dib {

// BITMAPFILEHEADER (14 bytes)
inline constexpr std::uint16_t kFileSignature = 0x4D42;  // "BM"
inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kBfOffBits = 10;

// BITMAPCOREHEADER (12 bytes): 16-bit sizes, RGBTRIPLE palette
inline constexpr std::uint32_t kCoreHeaderSize = 12;
inline constexpr std::size_t kBcWidth = 4;
inline constexpr std::size_t kBcHeight = 6;
inline constexpr std::size_t kBcPlanes = 8;
inline constexpr std::size_t kBcBitCount = 10;
inline constexpr std::size_t kRgbTripleSize = 3;

// BITMAPINFOHEADER (40 bytes): RGBQUAD palette
inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr std::size_t kBiWidth = 4;
inline constexpr std::size_t kBiHeight = 8;
inline constexpr std::size_t kBiPlanes = 12;
inline constexpr std::size_t kBiBitCount = 14;
inline constexpr std::size_t kBiCompression = 16;
inline constexpr std::size_t kBiSizeImage = 20;
inline constexpr std::size_t kBiXPelsPerMeter = 24;
inline constexpr std::size_t kBiYPelsPerMeter = 28;
inline constexpr std::size_t kBiClrUsed = 32;
inline constexpr std::size_t kBiClrImportant = 36;
inline constexpr std::size_t kRgbQuadSize = 4;
// BI_BITFIELDS: red, green and blue masks, 32 bits each, right after the 40-byte header.
inline constexpr std::size_t kBitfieldMasksSize = 12;

// biCompression
inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kBiRle8 = 1;
inline constexpr std::uint32_t kBiRle4 = 2;
inline constexpr std::uint32_t kBiBitfields = 3;

inline std::uint16_t ReadU16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t ReadU32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline std::int32_t ReadI32(const unsigned char* p) {
  return static_cast<std::int32_t>(ReadU32(p));
}

}  // namespace dib
