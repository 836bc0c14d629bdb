// The public BMP conformance corpus ("bmpsuite"), kept beside the repository. Every file
// has an expected outcome; pictures are compared with the suite's reference renderings.
#include <gtest/gtest.h>
#include <stb/stb_image.h>

#include <filesystem>
#include <map>

#include "read_result.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSuite = VELL_BMPSUITE_DIR;

enum class Outcome { kPicture, kAnyImage, kRowsThenBlack, kUnknown, kConversion, kOutOfMemory };

struct Expectation {
  Outcome outcome;
  std::vector<const char*> references;  // ref/NAME.png; matching any one is correct
  std::int32_t rowsPresent = 0;         // kRowsThenBlack
};

Expectation Picture(std::vector<const char*> refs) { return {Outcome::kPicture, std::move(refs)}; }
const Expectation kAnyImage{Outcome::kAnyImage, {}};
const Expectation kUnknown{Outcome::kUnknown, {}};
const Expectation kConversion{Outcome::kConversion, {}};

const std::map<std::string, Expectation>& Expectations() {
  static const std::map<std::string, Expectation> table = {
      {"g/pal1.bmp", Picture({"pal1"})},
      {"g/pal1bg.bmp", Picture({"pal1bg"})},
      {"g/pal1wb.bmp", Picture({"pal1"})},
      {"g/pal4.bmp", Picture({"pal4"})},
      {"g/pal4gs.bmp", Picture({"pal4gs"})},
      {"g/pal4rle.bmp", Picture({"pal4"})},
      {"g/pal8-0.bmp", Picture({"pal8"})},
      {"g/pal8.bmp", Picture({"pal8"})},
      {"g/pal8gs.bmp", Picture({"pal8gs"})},
      {"g/pal8nonsquare.bmp", Picture({"pal8nonsquare-e", "pal8nonsquare-v"})},
      {"g/pal8os2.bmp", Picture({"pal8"})},
      {"g/pal8rle.bmp", Picture({"pal8"})},
      {"g/pal8topdown.bmp", Picture({"pal8"})},
      {"g/pal8v4.bmp", kUnknown},
      {"g/pal8v5.bmp", kUnknown},
      {"g/pal8w124.bmp", Picture({"pal8w124"})},
      {"g/pal8w125.bmp", Picture({"pal8w125"})},
      {"g/pal8w126.bmp", Picture({"pal8w126"})},
      {"g/rgb16-565.bmp", Picture({"rgb16-565"})},
      {"g/rgb16-565pal.bmp", Picture({"rgb16-565"})},
      {"g/rgb16.bmp", Picture({"rgb16"})},
      {"g/rgb16bfdef.bmp", Picture({"rgb16"})},
      {"g/rgb24.bmp", Picture({"rgb24"})},
      {"g/rgb24pal.bmp", Picture({"rgb24"})},
      {"g/rgb32.bmp", Picture({"rgb24"})},
      {"g/rgb32bf.bmp", Picture({"rgb24"})},
      {"g/rgb32bfdef.bmp", Picture({"rgb24"})},

      {"q/pal1huffmsb.bmp", kUnknown},
      {"q/pal1p1.bmp", Picture({"pal1p1"})},
      {"q/pal2.bmp", kConversion},
      {"q/pal2color.bmp", kConversion},
      // RLE pixels the stream never writes are black: the "-b" reading of the suite.
      {"q/pal4rlecut.bmp", Picture({"pal4rlecut-b"})},
      {"q/pal4rletrns.bmp", Picture({"pal4rletrns-b"})},
      {"q/pal8offs.bmp", Picture({"pal8"})},
      {"q/pal8os2-hs.bmp", Picture({"pal8"})},
      {"q/pal8os2-sz.bmp", Picture({"pal8"})},
      {"q/pal8os2sp.bmp", Picture({"pal8"})},
      {"q/pal8os2v2-16.bmp", kUnknown},
      {"q/pal8os2v2-40sz.bmp", Picture({"pal8"})},
      {"q/pal8os2v2-sz.bmp", kUnknown},
      {"q/pal8os2v2.bmp", kUnknown},
      {"q/pal8oversizepal.bmp", Picture({"pal8"})},
      {"q/pal8rlecut.bmp", Picture({"pal8rlecut-b"})},
      {"q/pal8rletrns.bmp", Picture({"pal8rletrns-b"})},
      {"q/rgb16-231.bmp", Picture({"rgb16-231"})},
      {"q/rgb16-3103.bmp", Picture({"rgb16-3103"})},
      {"q/rgb16faketrns.bmp", Picture({"rgb16faketrns"})},
      {"q/rgb24jpeg.bmp", kUnknown},
      {"q/rgb24largepal.bmp", Picture({"rgb24"})},
      {"q/rgb24lprof.bmp", kUnknown},
      {"q/rgb24png.bmp", kUnknown},
      {"q/rgb24prof.bmp", kUnknown},
      {"q/rgb24prof2.bmp", kUnknown},
      {"q/rgb24rle24.bmp", kUnknown},
      {"q/rgb32-111110.bmp", kAnyImage},
      {"q/rgb32-7187.bmp", Picture({"rgb32-7187"})},
      {"q/rgb32-xbgr.bmp", kUnknown},
      {"q/rgb32fakealpha.bmp", Picture({"rgb24"})},
      {"q/rgb32h52.bmp", kUnknown},
      {"q/rgba16-1924.bmp", kUnknown},
      {"q/rgba16-4444.bmp", kUnknown},
      {"q/rgba16-5551.bmp", kUnknown},
      {"q/rgba32-1.bmp", kUnknown},
      {"q/rgba32-1010102.bmp", kUnknown},
      {"q/rgba32-2.bmp", kUnknown},
      {"q/rgba32-61754.bmp", kUnknown},
      {"q/rgba32-81284.bmp", kUnknown},
      {"q/rgba32abf.bmp", kConversion},
      {"q/rgba32h56.bmp", kUnknown},
      {"q/rgba64.bmp", kConversion},

      {"b/badbitcount.bmp", kConversion},
      {"b/badbitssize.bmp", Picture({"pal1"})},
      {"b/baddens1.bmp", Picture({"pal1"})},
      {"b/baddens2.bmp", Picture({"pal1"})},
      {"b/badfilesize.bmp", Picture({"pal1"})},
      {"b/badheadersize.bmp", kUnknown},
      {"b/badpalettesize.bmp", Picture({"pal8"})},
      {"b/badplanes.bmp", kConversion},
      {"b/badrle.bmp", kAnyImage},
      {"b/badrle4.bmp", kAnyImage},
      {"b/badrle4bis.bmp", kAnyImage},
      {"b/badrle4ter.bmp", kAnyImage},
      {"b/badrlebis.bmp", kAnyImage},
      {"b/badrleter.bmp", kAnyImage},
      {"b/badwidth.bmp", kConversion},
      {"b/pal8badindex.bmp", kAnyImage},
      {"b/reallybig.bmp", {Outcome::kOutOfMemory, {}}},
      {"b/rgb16-880.bmp", Picture({"rgb16-880"})},
      {"b/rletopdown.bmp", kConversion},
      // 211 bytes of bits at 16 a row: 13 complete rows of pal1.
      {"b/shortfile.bmp", {Outcome::kRowsThenBlack, {"pal1"}, 13}},
  };
  return table;
}

// A reference picture, rows reordered bottom first to match the reader's output. Where
// it is transparent (the suite's reading of alpha bits we ignore) it shows no colour,
// so those pixels are not compared.
struct Reference {
  int width = 0, height = 0;
  Bytes bottomUp;               // red, green, blue
  std::vector<bool> opaque;     // one flag a pixel
};

Reference LoadReference(const char* name) {
  Reference ref;
  const std::string path = (kSuite / "ref" / (std::string(name) + ".png")).string();
  int channels = 0;
  unsigned char* data = stbi_load(path.c_str(), &ref.width, &ref.height, &channels, 4);
  if (data == nullptr) {
    ADD_FAILURE() << "cannot load " << path;
    return ref;
  }
  for (int y = ref.height - 1; y >= 0; --y) {
    for (int x = 0; x < ref.width; ++x) {
      const unsigned char* p = data + (static_cast<std::size_t>(y) * ref.width + x) * 4;
      ref.bottomUp.insert(ref.bottomUp.end(), p, p + 3);
      ref.opaque.push_back(p[3] == 255);
    }
  }
  stbi_image_free(data);
  return ref;
}

bool Matches(const RgbImage& image, const Reference& ref) {
  if (ref.width != image.width || ref.height != image.height) return false;
  const Bytes pixels = PixelsOf(image);
  for (std::size_t i = 0; i < ref.opaque.size(); ++i) {
    if (ref.opaque[i] && !std::equal(pixels.begin() + 3 * i, pixels.begin() + 3 * i + 3,
                                     ref.bottomUp.begin() + 3 * i))
      return false;
  }
  return true;
}

bool MatchesAnyReference(const RgbImage& image, const Expectation& e) {
  for (const char* name : e.references)
    if (Matches(image, LoadReference(name))) return true;
  return false;
}

void CheckRowsThenBlack(const RgbImage& image, const Expectation& e) {
  const Reference ref = LoadReference(e.references[0]);
  ASSERT_EQ(image.width, ref.width);
  ASSERT_EQ(image.height, ref.height);
  const std::size_t split = static_cast<std::size_t>(e.rowsPresent) * image.width * 3;
  const Bytes pixels = PixelsOf(image);
  EXPECT_TRUE(std::equal(pixels.begin(), pixels.begin() + split, ref.bottomUp.begin()));
  EXPECT_TRUE(std::all_of(pixels.begin() + split, pixels.end(), [](auto b) { return b == 0; }));
}

const char* MessageOf(Outcome outcome) {
  switch (outcome) {
    case Outcome::kUnknown: return "Unknown DIB file format.";
    case Outcome::kConversion: return "Image file conversion error.";
    case Outcome::kOutOfMemory: return "Out of memory.";
    default: return nullptr;
  }
}

class Bmpsuite : public testing::Test {
 protected:
  void SetUp() override {
    if (!fs::is_directory(kSuite)) GTEST_SKIP() << "no conformance corpus at " << kSuite;
  }
};

TEST_F(Bmpsuite, EveryFileYieldsItsExpectedOutcome) {
  for (const char* folder : {"g", "q", "b"}) {
    for (const auto& entry : fs::directory_iterator(kSuite / folder)) {
      const std::string name = std::string(folder) + "/" + entry.path().filename().string();
      SCOPED_TRACE(name);
      const auto found = Expectations().find(name);
      ASSERT_NE(found, Expectations().end()) << "no expectation for this file";
      const Expectation& e = found->second;
      ReadResult r = ReadPath(entry.path().c_str());
      if (const char* message = MessageOf(e.outcome)) {
        EXPECT_FALSE(r.image);
        EXPECT_EQ(r.messages, std::vector<std::string>{message});
        continue;
      }
      ASSERT_TRUE(r.image) << (r.messages.empty() ? "" : r.messages[0]);
      EXPECT_TRUE(r.messages.empty());
      EXPECT_GT(r.image->width, 0);
      EXPECT_GT(r.image->height, 0);
      if (e.outcome == Outcome::kPicture) {
        EXPECT_TRUE(MatchesAnyReference(*r.image, e));
      }
      if (e.outcome == Outcome::kRowsThenBlack) CheckRowsThenBlack(*r.image, e);
    }
  }
}

// Pixel indices past the palette's 101 entries are black, the others their colour.
TEST_F(Bmpsuite, IndicesPastThePaletteAreBlack) {
  ReadResult bad = ReadPath((kSuite / "b/pal8badindex.bmp").c_str());
  ReadResult good = ReadPath((kSuite / "g/pal8.bmp").c_str());
  ASSERT_TRUE(bad.image && good.image);
  const Bytes b = PixelsOf(*bad.image), g = PixelsOf(*good.image);
  ASSERT_EQ(b.size(), g.size());
  std::size_t black = 0;
  for (std::size_t i = 0; i < b.size(); i += 3) {
    const bool isBlack = b[i] == 0 && b[i + 1] == 0 && b[i + 2] == 0;
    black += isBlack;
    if (!isBlack) {
      EXPECT_TRUE(std::equal(b.begin() + i, b.begin() + i + 3, g.begin() + i)) << i / 3;
    }
  }
  EXPECT_GT(black, 0u);
}

}  // namespace
