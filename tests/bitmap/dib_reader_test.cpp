// The reader end to end: headers, where the bits are found, failures and their texts.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <filesystem>

#include "read_result.h"

namespace {

// A 4 bpp picture of 3 x 2 pixels with 16 distinct grey-ish colours.
BmpLayout FourBitSpec() {
  BmpLayout layout;
  layout.bitCount = 4;
  layout.width = 3;
  layout.height = 2;
  for (std::uint8_t i = 0; i < 16; ++i)
    layout.palette.push_back({static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 2),
                            static_cast<std::uint8_t>(i * 3)});
  layout.bits = PadRows({{0x12, 0x30}, {0xFE, 0xD0}});
  return layout;
}
// What FourBitSpec shows: index i is (red 3i, green 2i, blue i).
const Bytes kFourBitPixels = {3, 2, 1,    6, 4, 2,    9, 6, 3,
                              45, 30, 15, 42, 28, 14, 39, 26, 13};

TEST(DibReader, Width5At24BitsGivesTightRgbRowsBottomFirst) {
  BmpLayout layout;
  layout.width = 5;
  layout.height = 2;
  Bytes bottom, top;
  for (std::uint8_t i = 0; i < 5; ++i) {
    bottom.insert(bottom.end(), {static_cast<std::uint8_t>(10 + i), 20, 30});  // B, G, R
    top.insert(top.end(), {40, static_cast<std::uint8_t>(50 + i), 60});
  }
  layout.bits = PadRows({bottom, top});  // 15 bytes + 1 padding byte a row
  ReadResult r = ReadBytes(BuildBmp(layout));
  ASSERT_TRUE(r.image);
  EXPECT_TRUE(r.messages.empty());
  EXPECT_EQ(r.image->width, 5);
  EXPECT_EQ(r.image->height, 2);
  Bytes expected;
  for (std::uint8_t i = 0; i < 5; ++i) expected.insert(expected.end(), {30, 20, static_cast<std::uint8_t>(10 + i)});
  for (std::uint8_t i = 0; i < 5; ++i) expected.insert(expected.end(), {60, static_cast<std::uint8_t>(50 + i), 40});
  EXPECT_EQ(PixelsOf(*r.image), expected);
}

TEST(DibReader, TopDownBitmapComesOutBottomRowFirstWithPositiveHeight) {
  BmpLayout layout;
  layout.width = 1;
  layout.height = -3;
  layout.bits = PadRows({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}});  // the top row first
  ReadResult r = ReadBytes(BuildBmp(layout));
  ASSERT_TRUE(r.image);
  EXPECT_EQ(r.image->height, 3);
  EXPECT_EQ(PixelsOf(*r.image), (Bytes{3, 3, 3, 2, 2, 2, 1, 1, 1}));
}

TEST(DibReader, CoreAndInfoHeadersGiveTheSameImage) {
  BmpLayout info = FourBitSpec();
  BmpLayout core = FourBitSpec();
  core.headerSize = 12;
  for (bool fileHeader : {true, false}) {
    info.fileHeader = core.fileHeader = fileHeader;
    ReadResult a = ReadBytes(BuildBmp(info));
    ReadResult b = ReadBytes(BuildBmp(core));
    ASSERT_TRUE(a.image && b.image) << "file header " << fileHeader;
    EXPECT_EQ(PixelsOf(*a.image), kFourBitPixels);
    EXPECT_EQ(PixelsOf(*b.image), kFourBitPixels);
  }
}

// bcWidth and bcHeight are unsigned: 40000 is a width, not a negative number.
TEST(DibReader, CoreHeaderSizesAreUnsigned16Bit) {
  BmpLayout layout;
  layout.headerSize = 12;
  layout.bitCount = 1;
  layout.width = 40000;
  layout.height = 1;
  layout.palette = {{0, 0, 0}, {255, 255, 255}};
  layout.bits = PadRows({Bytes(5000, 0xFF)});
  ReadResult r = ReadBytes(BuildBmp(layout));
  ASSERT_TRUE(r.image);
  EXPECT_EQ(r.image->width, 40000);
  EXPECT_EQ(PixelsOf(*r.image), Bytes(40000 * 3, 255));
}

// Without a file header the bits follow the palette: 40 + 16 * 4 = 104 bytes into the
// info header version, 12 + 16 * 3 = 60 into the core header version.
TEST(DibReader, PackedDibBitsFollowThePalette) {
  for (std::uint32_t headerSize : {40u, 12u}) {
    BmpLayout layout = FourBitSpec();
    layout.fileHeader = false;
    layout.headerSize = headerSize;
    const Bytes file = BuildBmp(layout);
    ASSERT_EQ(file.size(), (headerSize == 40 ? 104u : 60u) + layout.bits.size());
    ReadResult r = ReadBytes(file);
    ASSERT_TRUE(r.image) << headerSize;
    EXPECT_EQ(PixelsOf(*r.image), kFourBitPixels) << headerSize;
  }
}

TEST(DibReader, FileHeaderBitsStartAtBfOffBitsPastAGap) {
  BmpLayout layout = FourBitSpec();
  layout.gap = 7;
  ReadResult r = ReadBytes(BuildBmp(layout));
  ASSERT_TRUE(r.image);
  EXPECT_EQ(PixelsOf(*r.image), kFourBitPixels);
}

// biClrUsed 16 carries 16 entries (index 20 is past them: black); biClrUsed 0 carries 256.
TEST(DibReader, EightBitPaletteFollowsBiClrUsed) {
  for (bool fileHeader : {true, false}) {
    for (std::uint32_t clrUsed : {16u, 0u}) {
      BmpLayout layout;
      layout.fileHeader = fileHeader;
      layout.bitCount = 8;
      layout.width = 2;
      layout.clrUsed = clrUsed;
      for (unsigned i = 0; i < (clrUsed == 0 ? 256u : clrUsed); ++i)
        layout.palette.push_back({static_cast<std::uint8_t>(i), 7, 9});
      layout.bits = PadRows({{5, 20}});
      ReadResult r = ReadBytes(BuildBmp(layout));
      ASSERT_TRUE(r.image) << clrUsed;
      const Bytes expected = clrUsed == 0 ? Bytes{9, 7, 5, 9, 7, 20} : Bytes{9, 7, 5, 0, 0, 0};
      EXPECT_EQ(PixelsOf(*r.image), expected) << "biClrUsed " << clrUsed << " file header " << fileHeader;
    }
  }
}

// A 1 bpp header announcing 4 entries: only 2 are addressable, but a packed DIB's bits
// still begin after all 4.
TEST(DibReader, PaletteClampedToDepthButPackedBitsSkipAnnouncedEntries) {
  BmpLayout layout;
  layout.fileHeader = false;
  layout.bitCount = 1;
  layout.width = 2;
  layout.clrUsed = 4;
  layout.palette = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}};
  layout.bits = PadRows({{0x40}});  // pixels 0, 1
  ReadResult r = ReadBytes(BuildBmp(layout));
  ASSERT_TRUE(r.image);
  EXPECT_EQ(PixelsOf(*r.image), (Bytes{1, 1, 1, 2, 2, 2}));
}

// The bits start inside the announced palette: the entries they cover are not carried.
TEST(DibReader, PaletteCutShortByTheBitsCarriesOnlyTheEntriesBefore) {
  BmpLayout layout;
  layout.bitCount = 8;
  layout.width = 4;
  layout.clrUsed = 0;  // announces 256
  layout.palette = {{10, 10, 10}, {20, 20, 20}, {30, 30, 30}};
  layout.bits = PadRows({{0, 1, 2, 3}});
  ReadResult r = ReadBytes(BuildBmp(layout));
  ASSERT_TRUE(r.image);
  EXPECT_EQ(PixelsOf(*r.image), (Bytes{10, 10, 10, 20, 20, 20, 30, 30, 30, 0, 0, 0}));
}

TEST(DibReader, LaterHeaderVersionsAndOtherSizesAreUnknown) {
  for (std::uint32_t headerSize : {108u, 124u, 64u, 16u, 0u, 41u}) {
    BmpLayout layout = FourBitSpec();
    layout.headerSize = headerSize;
    ReadResult r = ReadBytes(BuildBmp(layout));
    EXPECT_FALSE(r.image) << headerSize;
    EXPECT_EQ(r.messages, std::vector<std::string>{"Unknown DIB file format."}) << headerSize;
  }
}

TEST(DibReader, FilesTooShortForTheirHeaderAreUnknown) {
  const Bytes whole = BuildBmp(FourBitSpec());
  const Bytes packed = [] { BmpLayout s = FourBitSpec(); s.fileHeader = false; return BuildBmp(s); }();
  const std::vector<Bytes> cases = {
      {0x42},                                  // one byte
      {'B', 'M'},                              // a signature only
      Bytes(whole.begin(), whole.begin() + 13),  // bfOffBits cut
      Bytes(whole.begin(), whole.begin() + 17),  // header size cut
      Bytes(whole.begin(), whole.begin() + 53),  // one byte short of the info header
      Bytes(packed.begin(), packed.begin() + 39),
      [] { BmpLayout s = FourBitSpec(); s.headerSize = 12; Bytes b = BuildBmp(s); b.resize(25); return b; }(),
  };
  for (std::size_t i = 0; i < cases.size(); ++i) {
    ReadResult r = ReadBytes(cases[i]);
    EXPECT_FALSE(r.image) << "case " << i;
    EXPECT_EQ(r.messages, std::vector<std::string>{"Unknown DIB file format."}) << "case " << i;
  }
}

TEST(DibReader, MissingEmptyAndNonRegularFilesGiveTheOpenFailureWithThePathAsGiven) {
  const std::string empty = WriteTempFile("empty.bmp", {});
  const std::string folder = testing::TempDir();
  for (const std::string& path : {std::string("Data/NoSuchParticle.bmp"), empty, folder}) {
    ReadResult r = ReadPath(path.c_str());
    EXPECT_FALSE(r.image);
    EXPECT_EQ(r.messages, std::vector<std::string>{"Failed to open DIB file " + path + ".\n"});
  }
}

TEST(DibReader, WidePathIsConvertedForOpeningAndForTheMessage) {
  BmpLayout layout = FourBitSpec();
  const std::string path = WriteTempFile("宽路径.bmp", BuildBmp(layout));
  std::u16string wide;
  for (char c : testing::TempDir()) wide += static_cast<char16_t>(c);  // ASCII folder
  ReadResult ok = ReadPathWide((wide + u"vell_bitmap_宽路径.bmp").c_str());
  ASSERT_TRUE(ok.image) << path;
  EXPECT_EQ(PixelsOf(*ok.image), kFourBitPixels);

  ReadResult missing = ReadPathWide(u"缺少/😀.bmp");
  EXPECT_FALSE(missing.image);
  EXPECT_EQ(missing.messages, std::vector<std::string>{"Failed to open DIB file 缺少/😀.bmp.\n"});
}

// The text had room for 255 bytes; a long path is cut there, never inside a character.
TEST(DibReader, OpenFailureTextIsCutAt255BytesOnACharacterBoundary) {
  std::string path = "/no/such/";
  while (path.size() < 400) path += "笔";  // 3 bytes each
  ReadResult r = ReadPath(path.c_str());
  ASSERT_EQ(r.messages.size(), 1u);
  const std::string& text = r.messages[0];
  EXPECT_LE(text.size(), 255u);
  EXPECT_GE(text.size(), 253u);
  const std::string full = "Failed to open DIB file " + path + ".\n";
  EXPECT_EQ(text, full.substr(0, text.size()));
  EXPECT_NE(static_cast<unsigned char>(full[text.size()]) & 0xC0, 0x80u) << "cut inside a character";
}

TEST(DibReader, DefaultReporterWritesToStandardErrorAndReplacementsChain) {
  const DibErrorReporter captureAll = +[](const char*) {};
  const DibErrorReporter standard = SetDibErrorReporter(captureAll);
  EXPECT_EQ(SetDibErrorReporter(nullptr), captureAll);  // null restores the default...
  EXPECT_EQ(SetDibErrorReporter(standard), standard);   // ...which was the first one
  testing::internal::CaptureStderr();
  EXPECT_EQ(ReadDibImage("Data/NoSuchParticle.bmp"), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Failed to open DIB file Data/NoSuchParticle.bmp.\n");
  testing::internal::CaptureStderr();
  BmpLayout layout;
  layout.headerSize = 108;
  EXPECT_EQ(ReadDibImage(WriteTempFile("v4.bmp", BuildBmp(layout)).c_str()), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Unknown DIB file format.\n");
}

TEST(DibPaletteCount, FollowsTheHeaderAsItLiesInTheFile) {
  struct Case {
    std::uint32_t headerSize;
    std::uint16_t bitCount;
    std::uint32_t clrUsed;
    std::uint16_t expected;
  };
  const Case cases[] = {
      {12, 1, 0, 2},    {12, 4, 0, 16},   {12, 8, 0, 256},  {12, 24, 0, 0},
      {40, 1, 0, 2},    {40, 4, 0, 16},   {40, 8, 0, 256},  {40, 16, 0, 0},
      {40, 32, 0, 0},   {40, 8, 16, 16},  {40, 24, 300, 300},
      {40, 8, 0x12345, 0x2345},  // the low 16 bits of biClrUsed
  };
  for (const Case& c : cases) {
    BmpLayout layout;
    layout.fileHeader = false;
    layout.headerSize = c.headerSize;
    layout.bitCount = c.bitCount;
    layout.clrUsed = c.clrUsed;
    const Bytes header = BuildBmp(layout);
    EXPECT_EQ(DibPaletteCount(header.data(), header.size()), c.expected)
        << c.headerSize << "/" << c.bitCount << "/" << c.clrUsed;
    EXPECT_EQ(DibPaletteCount(header.data(), c.headerSize == 12 ? 11 : 35), 0) << "cut header";
  }
}

}  // namespace
