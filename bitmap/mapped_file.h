#pragma once

#include <cstddef>
#include <span>

// A whole file mapped read-only into memory, released when the object goes. The reader
// parses headers and pixels in place, so the file is never copied.
class CMappedFile {
 public:
  CMappedFile() = default;
  ~CMappedFile();
  CMappedFile(const CMappedFile&) = delete;
  CMappedFile& operator=(const CMappedFile&) = delete;

  // Opens and maps `path`. Fails for a missing or unreadable file, for anything that is
  // not a regular file (a FIFO would block, a directory has no bytes) and for an empty
  // file, which cannot be mapped. Every handle obtained is closed again on failure.
  bool Open(const char* path);

  std::span<const unsigned char> bytes() const { return {data, size}; }

 private:
  void Release();

  int descriptor = -1;
  const unsigned char* data = nullptr;
  std::size_t size = 0;
};
