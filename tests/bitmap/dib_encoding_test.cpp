// The converter, one encoding at a time: exact pixels, black where the bits do not
// reach, and the encodings and sizes it refuses.
#include <gtest/gtest.h>

#include <climits>

#include "read_result.h"

namespace {

const std::vector<std::array<std::uint8_t, 3>> kFourColours = {
    {0, 0, 0}, {255, 255, 255}, {30, 20, 10}, {3, 2, 1}};  // blue, green, red

Bytes U16s(std::initializer_list<std::uint16_t> values) {
  Bytes out;
  for (auto v : values) PutU16(out, v);
  return out;
}

Bytes U32s(std::initializer_list<std::uint32_t> values) {
  Bytes out;
  for (auto v : values) PutU32(out, v);
  return out;
}

Bytes ReadPixels(const BmpLayout& layout) {
  ReadResult r = ReadBytes(BuildBmp(layout));
  EXPECT_TRUE(r.messages.empty()) << (r.messages.empty() ? "" : r.messages[0]);
  return r.image ? PixelsOf(*r.image) : Bytes{};
}

TEST(DibEncoding, OneBitRowsCrossByteBoundaries) {
  BmpLayout layout;
  layout.bitCount = 1;
  layout.width = 10;
  layout.palette = {{1, 2, 3}, {4, 5, 6}};
  layout.bits = PadRows({{0b10110011, 0b01000000}});
  const Bytes a = {3, 2, 1}, b = {6, 5, 4};
  Bytes expected;
  for (const Bytes* p : {&b, &a, &b, &b, &a, &a, &b, &b, &a, &b})
    expected.insert(expected.end(), p->begin(), p->end());
  EXPECT_EQ(ReadPixels(layout), expected);
}

// 16 bits: BI_RGB is 5-5-5 (the top bit ignored); BI_BITFIELDS takes the file's masks.
// Channels scale as round(v * 255 / (2^bits - 1)); an empty mask gives 0.
TEST(DibEncoding, SixteenBitChannelsScaleByRounding) {
  BmpLayout rgb;
  rgb.bitCount = 16;
  rgb.width = 4;
  rgb.bits = PadRows({U16s({0x7FFF, 0x0001, 0x4210, 0x8000})});
  EXPECT_EQ(ReadPixels(rgb), (Bytes{255, 255, 255, 0, 0, 8, 132, 132, 132, 0, 0, 0}));

  BmpLayout rgb565 = rgb;
  rgb565.compression = 3;
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  rgb565.bits = PadRows({U16s({0xF800, 0x07E0, 0x0020, 0x0021})});
  EXPECT_EQ(ReadPixels(rgb565), (Bytes{255, 0, 0, 0, 255, 0, 0, 4, 0, 0, 4, 8}));

  BmpLayout noBlue = rgb565;
  noBlue.masks = {0xFF00, 0x00FF, 0};
  noBlue.bits = PadRows({U16s({0xFF00, 0x00FF, 0x8001, 0x0000})});
  EXPECT_EQ(ReadPixels(noBlue), (Bytes{255, 0, 0, 0, 255, 0, 128, 1, 0, 0, 0, 0}));
}

TEST(DibEncoding, ThirtyTwoBitRgbIgnoresTheTopByteAndBitfieldsScale) {
  BmpLayout rgb;
  rgb.bitCount = 32;
  rgb.width = 2;
  rgb.bits = {10, 20, 30, 0xFF, 40, 50, 60, 0x7F};  // B, G, R, unused
  EXPECT_EQ(ReadPixels(rgb), (Bytes{30, 20, 10, 60, 50, 40}));

  BmpLayout tenBit = rgb;
  tenBit.compression = 3;
  tenBit.masks = {0x3FF00000, 0x000FFC00, 0x000003FF};
  tenBit.bits = U32s({(512u << 20) | (3u << 10) | 2u, 0x3FFFFFFF});
  EXPECT_EQ(ReadPixels(tenBit), (Bytes{128, 1, 0, 255, 255, 255}));

  // Channels wider than 16 bits keep their top 8 bits, as the corpus renders them:
  // an 18-bit 25369 is 24 (rounding would give 25), a 32-bit 0x80FFFFFF is 128.
  BmpLayout wide = tenBit;
  wide.masks = {0xFFFFFFFF, 0x0003FFFF, 0};
  wide.bits = U32s({0x80FFFFFF, 25369});
  EXPECT_EQ(ReadPixels(wide), (Bytes{128, 255, 0, 0, 24, 0}));
}

// A packed DIB with BI_BITFIELDS: masks after the 40-byte header, then the announced
// palette entries, then the bits.
TEST(DibEncoding, PackedBitfieldsBitsStartAfterMasksAndPalette) {
  for (std::uint32_t clrUsed : {0u, 2u}) {
    BmpLayout layout;
    layout.fileHeader = false;
    layout.bitCount = 16;
    layout.compression = 3;
    layout.width = 2;
    layout.clrUsed = clrUsed;
    layout.palette = std::vector<std::array<std::uint8_t, 3>>(clrUsed, {9, 9, 9});
    layout.masks = {0xF800, 0x07E0, 0x001F};
    layout.bits = PadRows({U16s({0xF800, 0x001F})});
    EXPECT_EQ(ReadPixels(layout), (Bytes{255, 0, 0, 0, 0, 255})) << clrUsed;
  }
}

Bytes RleImage(std::uint16_t bitCount, std::int32_t width, std::int32_t height, Bytes stream) {
  BmpLayout layout;
  layout.bitCount = bitCount;
  layout.compression = bitCount == 8 ? 1 : 2;
  layout.width = width;
  layout.height = height;
  layout.palette = kFourColours;
  layout.bits = std::move(stream);
  return ReadPixels(layout);
}

constexpr std::uint8_t K = 0, W = 255;  // black and white components

// Row 0: a run of 2 white, end of line. Row 1: a delta of (1, 1) from (0, 1) lands on
// row 2, column 1, then an absolute run of 3 (padded to 4 bytes), end of bitmap. Pixels
// never written are black, runs past the right edge are clipped.
TEST(DibEncoding, RunLength8CommandsAndUnwrittenPixels) {
  const Bytes pixels = RleImage(8, 4, 3,
                                {2, 1, 0, 0,                 // run, end of line
                                 0, 2, 1, 1,                 // delta
                                 0, 3, 2, 3, 1, 0,           // absolute, padded
                                 0, 1});                     // end of bitmap
  EXPECT_EQ(pixels, (Bytes{W, W, W, W, W, W, K, K, K, K, K, K,  // row 0
                           K, K, K, K, K, K, K, K, K, K, K, K,  // row 1
                           K, K, K, 10, 20, 30, 1, 2, 3, W, W, W}));
  EXPECT_EQ(RleImage(8, 2, 1, {5, 1, 0, 1}), (Bytes{W, W, W, W, W, W}));  // clipped run
}

TEST(DibEncoding, RunLength4AlternatesNibbles) {
  const Bytes pixels = RleImage(4, 5, 1, {3, 0x12, 0, 3, 0x31, 0x00, 0, 1});
  // A run of 3 gives indices 1, 2, 1; the absolute run of 3 nibbles gives 3, 1 and loses
  // its last, 0, to the right edge.
  EXPECT_EQ(pixels, (Bytes{W, W, W, 10, 20, 30, W, W, W, 1, 2, 3, W, W, W}));
}

// A stream cut short keeps what it laid; the rest is black.
TEST(DibEncoding, RunLengthStreamCutShortKeepsWhatItLaid) {
  EXPECT_EQ(RleImage(8, 2, 2, {2, 2, 0, 0, 1}), (Bytes{10, 20, 30, 10, 20, 30, K, K, K, K, K, K}));
  EXPECT_EQ(RleImage(8, 3, 1, {0, 5, 1, 1}), (Bytes{W, W, W, W, W, W, K, K, K}));
}

// Complete rows present are converted; the rest are black. A top-down file loses its
// bottom rows, which come first in the output.
TEST(DibEncoding, BitsEndingEarlyGiveTheCompleteRowsAndBlack) {
  for (std::int32_t height : {3, -3}) {
    BmpLayout layout;
    layout.width = 2;
    layout.height = height;
    layout.bits = PadRows({{1, 1, 1, 2, 2, 2}, {3, 3, 3, 4, 4, 4}});
    layout.bits.push_back(5);  // a row that has only begun
    const Bytes first = {1, 1, 1, 2, 2, 2}, second = {3, 3, 3, 4, 4, 4}, black(6, 0);
    Bytes expected;
    for (const Bytes* row : height > 0 ? std::vector{&first, &second, &black}
                                       : std::vector{&black, &second, &first})
      expected.insert(expected.end(), row->begin(), row->end());
    EXPECT_EQ(ReadPixels(layout), expected) << height;
  }
  BmpLayout lastRowUnpadded;  // 3 bytes of pixels; its padding byte is missing
  lastRowUnpadded.bits = {7, 8, 9};
  EXPECT_EQ(ReadPixels(lastRowUnpadded), (Bytes{9, 8, 7}));
}

struct Refusal {
  const char* name;
  std::int32_t width, height;
  std::uint16_t planes, bitCount;
  std::uint32_t compression;
  const char* message;
};

class DibRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(DibRefusal, GivesItsMessageAndNoImage) {
  const Refusal& c = GetParam();
  BmpLayout layout;
  layout.width = c.width;
  layout.height = c.height;
  layout.planes = c.planes;
  layout.bitCount = c.bitCount;
  layout.compression = c.compression;
  if (c.compression == 3) layout.masks = {0xFF0000, 0xFF00, 0xFF};
  if (c.bitCount <= 8) layout.palette = kFourColours;
  layout.bits = Bytes(64, 0x11);
  ReadResult r = ReadBytes(BuildBmp(layout));
  EXPECT_FALSE(r.image);
  EXPECT_EQ(r.messages, std::vector<std::string>{c.message});
}

constexpr const char* kConversion = "Image file conversion error.";
constexpr const char* kMemory = "Out of memory.";

INSTANTIATE_TEST_SUITE_P(
    Cases, DibRefusal,
    testing::Values(
        Refusal{"TwoBits", 4, 4, 1, 2, 0, kConversion},
        Refusal{"ZeroBits", 4, 4, 1, 0, 0, kConversion},
        Refusal{"SixtyFourBits", 4, 4, 1, 64, 0, kConversion},
        Refusal{"Rle24", 4, 4, 1, 24, 4, kConversion},
        Refusal{"Png", 4, 4, 1, 0, 5, kConversion},
        Refusal{"AlphaBitfields", 4, 4, 1, 32, 6, kConversion},
        Refusal{"Rle8At4Bits", 4, 4, 1, 4, 1, kConversion},
        Refusal{"Rle4At8Bits", 4, 4, 1, 8, 2, kConversion},
        Refusal{"Rle8TopDown", 4, -4, 1, 8, 1, kConversion},
        Refusal{"BitfieldsAt24Bits", 4, 4, 1, 24, 3, kConversion},
        Refusal{"BitfieldsAt8Bits", 4, 4, 1, 8, 3, kConversion},
        Refusal{"ZeroWidth", 0, 4, 1, 24, 0, kConversion},
        Refusal{"NegativeWidth", -4, 4, 1, 24, 0, kConversion},
        Refusal{"ZeroHeight", 4, 0, 1, 24, 0, kConversion},
        Refusal{"MostNegativeHeight", 4, INT_MIN, 1, 24, 0, kConversion},
        Refusal{"NoPlanes", 4, 4, 0, 24, 0, kConversion},
        Refusal{"TwoPlanes", 4, 4, 2, 24, 0, kConversion},
        Refusal{"Width65536", 65536, 1, 1, 24, 0, kMemory},
        Refusal{"Height65536TopDown", 1, -65536, 1, 24, 0, kMemory},
        Refusal{"Above256MiB", 20000, 5000, 1, 8, 0, kMemory},
        Refusal{"HugeBoth", INT_MAX, INT_MAX, 1, 1, 0, kMemory}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(DibEncoding, NoCompleteRowOrStreamIsAConversionError) {
  BmpLayout noRow;
  noRow.width = 4;
  noRow.bits = {1, 2, 3};  // one pixel of a row of four
  BmpLayout beyond = noRow;
  beyond.gap = 100;
  beyond.bits.clear();     // bfOffBits at the end of the file
  BmpLayout cutMasks;
  cutMasks.bitCount = 32;
  cutMasks.compression = 3;
  cutMasks.fileHeader = false;
  cutMasks.bits = {0, 0, 0xFF, 0};  // 4 of the 12 mask bytes
  BmpLayout emptyStream;
  emptyStream.bitCount = 8;
  emptyStream.compression = 1;
  emptyStream.palette = kFourColours;
  Bytes farBits = BuildBmp(noRow);
  farBits[10] = farBits[11] = farBits[12] = farBits[13] = 0xF0;  // bfOffBits past the end
  for (const Bytes& file : {BuildBmp(noRow), BuildBmp(beyond), BuildBmp(cutMasks),
                            BuildBmp(emptyStream), farBits}) {
    ReadResult r = ReadBytes(file);
    EXPECT_FALSE(r.image);
    EXPECT_EQ(r.messages, std::vector<std::string>{kConversion});
  }
}

}  // namespace
