#include "tools/icon_maker/ico_file.h"

#include <cstddef>

namespace {

constexpr std::size_t kIconDirSize = 6;
constexpr std::size_t kIconDirEntrySize = 16;
constexpr std::size_t kBitmapInfoHeaderSize = 40;

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void U8(unsigned v) { out_.push_back(static_cast<std::uint8_t>(v)); }
  void U16(unsigned v) { U8(v & 0xFF), U8((v >> 8) & 0xFF); }
  void U32(std::uint32_t v) { U16(v & 0xFFFF), U16(v >> 16); }

 private:
  std::vector<std::uint8_t>& out_;
};

// DIB rows are padded to a multiple of four bytes.
std::size_t RowBytes(int width, int bitsPerPixel) {
  return ((std::size_t(width) * bitsPerPixel + 31) / 32) * 4;
}

void WriteInfoHeader(ByteWriter& w, int width, int height, int bitsPerPixel,
                     std::uint32_t imageBytes, unsigned coloursUsed) {
  w.U32(kBitmapInfoHeaderSize);  // biSize
  w.U32(width);                  // biWidth
  w.U32(height * 2);             // biHeight: XOR bitmap and AND mask together
  w.U16(1);                      // biPlanes
  w.U16(bitsPerPixel);           // biBitCount
  w.U32(0);                      // biCompression: BI_RGB
  w.U32(imageBytes);             // biSizeImage
  w.U32(0), w.U32(0);            // biXPelsPerMeter, biYPelsPerMeter
  w.U32(coloursUsed);            // biClrUsed
  w.U32(0);                      // biClrImportant
}

// The AND mask: 1 bit per pixel, 1 = transparent, rows bottom first.
void WriteMask(std::vector<std::uint8_t>& out, int width, int height,
               const std::vector<bool>& transparent) {
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(RowBytes(width, 1), 0);
    for (int x = 0; x < width; ++x) {
      if (transparent[std::size_t(y) * width + x]) row[x / 8] |= 0x80 >> (x % 8);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

std::vector<std::uint8_t> TrueColourDib(const RgbaImage& image) {
  std::vector<std::uint8_t> dib;
  ByteWriter w(dib);
  const std::uint32_t xorBytes = RowBytes(image.width, 32) * image.height;
  const std::uint32_t andBytes = RowBytes(image.width, 1) * image.height;
  WriteInfoHeader(w, image.width, image.height, 32, xorBytes + andBytes, 0);
  std::vector<bool> transparent;
  for (const Rgba& p : image.pixels) transparent.push_back(p.a == 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgba& p = image.pixels[std::size_t(y) * image.width + x];
      w.U8(p.b), w.U8(p.g), w.U8(p.r), w.U8(p.a);
    }
  }
  WriteMask(dib, image.width, image.height, transparent);
  return dib;
}

std::vector<std::uint8_t> SixteenColourDib(const IndexedImage& image) {
  std::vector<std::uint8_t> dib;
  ByteWriter w(dib);
  const std::size_t rowBytes = RowBytes(image.width, 4);
  const std::uint32_t xorBytes = rowBytes * image.height;
  const std::uint32_t andBytes = RowBytes(image.width, 1) * image.height;
  WriteInfoHeader(w, image.width, image.height, 4, xorBytes + andBytes, 16);
  for (const Rgb& c : image.palette) w.U8(c.b), w.U8(c.g), w.U8(c.r), w.U8(0);  // RGBQUAD
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(rowBytes, 0);
    for (int x = 0; x < image.width; ++x) {
      // Transparent pixels are black in the XOR bitmap, so the mask alone decides.
      const std::size_t i = std::size_t(y) * image.width + x;
      const unsigned index = image.transparent[i] ? 0 : (image.indices[i] & 0x0F);
      row[x / 2] |= (x % 2 == 0) ? index << 4 : index;  // high nibble first
    }
    dib.insert(dib.end(), row.begin(), row.end());
  }
  WriteMask(dib, image.width, image.height, image.transparent);
  return dib;
}

void WriteDirEntry(ByteWriter& w, int width, int height, unsigned colourCount,
                   unsigned bitsPerPixel, std::size_t bytes, std::size_t offset) {
  w.U8(width >= 256 ? 0 : width);    // bWidth
  w.U8(height >= 256 ? 0 : height);  // bHeight
  w.U8(colourCount);                 // bColorCount: 16 for 4 bpp, 0 for true colour
  w.U8(0);                           // bReserved
  w.U16(1);                          // wPlanes
  w.U16(bitsPerPixel);               // wBitCount
  w.U32(std::uint32_t(bytes));       // dwBytesInRes
  w.U32(std::uint32_t(offset));      // dwImageOffset
}

}  // namespace

std::vector<std::uint8_t> EncodeIco(const std::vector<RgbaImage>& trueColour,
                                    const std::vector<IndexedImage>& sixteenColour) {
  struct Encoded {
    int width, height;
    unsigned colours, bits;
    std::vector<std::uint8_t> dib;
  };
  std::vector<Encoded> images;
  for (const RgbaImage& i : trueColour) images.push_back({i.width, i.height, 0, 32, TrueColourDib(i)});
  for (const IndexedImage& i : sixteenColour) images.push_back({i.width, i.height, 16, 4, SixteenColourDib(i)});

  std::vector<std::uint8_t> file;
  ByteWriter w(file);
  w.U16(0), w.U16(1), w.U16(unsigned(images.size()));  // idReserved, idType = icon, idCount
  std::size_t offset = kIconDirSize + kIconDirEntrySize * images.size();
  for (const Encoded& e : images) {
    WriteDirEntry(w, e.width, e.height, e.colours, e.bits, e.dib.size(), offset);
    offset += e.dib.size();
  }
  for (const Encoded& e : images) file.insert(file.end(), e.dib.begin(), e.dib.end());
  return file;
}
