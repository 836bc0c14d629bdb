#pragma once

#include <cstddef>
#include <string>

// One decoder under test: reads `path` into 3-byte pixels and returns the number of
// output bytes (0 when it cannot read the file).
using DecodeFunction = std::size_t (*)(const std::string& path);

std::size_t DecodeWithVell(const std::string& path);
std::size_t DecodeWithStb(const std::string& path);
// Qt's QImage: load, then convert to RGB888. Built only with the window (VELL_GUI).
std::size_t DecodeWithQt(const std::string& path);

// The floor: map the file and read every byte once, sequentially.
std::size_t MapAndPass(const std::string& path);
// The floor: copy `bytes` into a newly allocated block, as an output of that size.
std::size_t CopyIntoNewBlock(std::size_t bytes);
