// Writes the program's two icons into a folder (normally app/icons):
//   vell.ico           icon 128: one 64 x 64 image at 32 bits per pixel
//   vell_document.ico  icon 129: 32 x 32 and 16 x 16 images at 4 bits per pixel
// The outputs are committed; run this after changing a picture.

#include <cstdio>
#include <fstream>
#include <string>

#include "tools/icon_maker/icon_pictures.h"

namespace {

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "vell_make_icons: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vell_make_icons OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool ok =
      WriteFile(folder + "/vell.ico", EncodeIco({DrawMainIcon()}, {})) &&
      WriteFile(folder + "/vell_document.ico", EncodeIco({}, {DrawDocumentIcon(32), DrawDocumentIcon(16)}));
  return ok ? 0 : 1;
}
