// The committed icon files, read as bytes: the directory and each image's header must
// say what the resources promise (sizes, bits per pixel, a 16-colour palette).

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

unsigned U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return U16(b, at) | std::uint32_t(U16(b, at + 2)) << 16;
}

struct ExpectedImage {
  unsigned size;
  unsigned bitsPerPixel;
  unsigned colourCount;  // the directory's bColorCount: 16 for 4 bpp, 0 otherwise
};

// Checks the ICONDIR, every ICONDIRENTRY and the BITMAPINFOHEADER it points at.
void ExpectIcon(const std::string& path, const std::vector<ExpectedImage>& images) {
  SCOPED_TRACE(path);
  const std::vector<std::uint8_t> b = ReadFile(path);
  ASSERT_GE(b.size(), 6u);
  EXPECT_EQ(U16(b, 0), 0u);  // idReserved
  EXPECT_EQ(U16(b, 2), 1u);  // idType: icon
  ASSERT_EQ(U16(b, 4), images.size());
  std::size_t expectedOffset = 6 + 16 * images.size();
  for (std::size_t i = 0; i < images.size(); ++i) {
    const std::size_t entry = 6 + 16 * i;
    const ExpectedImage& e = images[i];
    EXPECT_EQ(b[entry], e.size);
    EXPECT_EQ(b[entry + 1], e.size);
    EXPECT_EQ(b[entry + 2], e.colourCount);
    EXPECT_EQ(U16(b, entry + 6), e.bitsPerPixel);
    const std::uint32_t bytes = U32(b, entry + 8), offset = U32(b, entry + 12);
    EXPECT_EQ(offset, expectedOffset);
    ASSERT_LE(std::size_t(offset) + bytes, b.size());
    // The image: header, palette, XOR bitmap and AND mask fill exactly its bytes.
    const std::size_t xorRow = ((e.size * e.bitsPerPixel + 31) / 32) * 4;
    const std::size_t andRow = ((e.size + 31) / 32) * 4;
    const std::size_t palette = e.bitsPerPixel == 4 ? 16 * 4 : 0;
    EXPECT_EQ(bytes, 40 + palette + (xorRow + andRow) * e.size);
    EXPECT_EQ(U32(b, offset), 40u);                 // biSize
    EXPECT_EQ(U32(b, offset + 4), e.size);          // biWidth
    EXPECT_EQ(U32(b, offset + 8), 2 * e.size);      // biHeight: XOR and AND
    EXPECT_EQ(U16(b, offset + 14), e.bitsPerPixel); // biBitCount
    EXPECT_EQ(U32(b, offset + 16), 0u);             // biCompression: BI_RGB
    expectedOffset = offset + bytes;
  }
  EXPECT_EQ(expectedOffset, b.size());
}

TEST(IconFiles, MainIconIsOne64PixelImageAt32Bits) {
  ExpectIcon("app/icons/vell.ico", {{64, 32, 0}});
}

TEST(IconFiles, DocumentIconIs32And16PixelImagesIn16Colours) {
  ExpectIcon("app/icons/vell_document.ico", {{32, 4, 16}, {16, 4, 16}});
}

}  // namespace
