#pragma once

// Runs the reader with a capturing reporter, so tests see the user's texts.

#include <memory>
#include <string>
#include <vector>

#include "bitmap/dib_reader.h"
#include "bmp_bytes.h"

struct ImageDeleter {
  void operator()(RgbImage* image) const { FreeRgbImage(image); }
};
using ImagePtr = std::unique_ptr<RgbImage, ImageDeleter>;

struct ReadResult {
  ImagePtr image;
  std::vector<std::string> messages;
};

ReadResult ReadPath(const char* path);
ReadResult ReadPathWide(const char16_t* path);
// Writes `bytes` to a temporary file named after the running test, then reads it.
ReadResult ReadBytes(const Bytes& bytes);
