#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The files the decode benchmark reads, written once into a temporary folder.
struct BenchFile {
  std::string label;   // "24bpp 4096x4096", ...
  std::string path;
  std::size_t outputBytes = 0;  // width * height * 3
};

// Writes 4096x4096 at 24, 8 and 1 bpp and RLE8, and 2048x2048 at 32 bpp bitfields.
std::vector<BenchFile> WriteBenchFiles(const std::string& folder);
