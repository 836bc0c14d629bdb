#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "peers.h"

std::size_t MapAndPass(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  struct stat status {};
  ::fstat(fd, &status);
  const auto size = static_cast<std::size_t>(status.st_size);
  // The same mapping as the reader's, so the floor pays the same page-table cost.
  void* view = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
  const auto* words = static_cast<const std::uint64_t*>(view);
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < size / 8; ++i) sum += words[i];
  benchmark::DoNotOptimize(sum);
  ::munmap(view, size);
  ::close(fd);
  return size;
}

std::size_t CopyIntoNewBlock(std::size_t bytes) {
  static std::vector<unsigned char> source;
  if (source.size() != bytes) source.assign(bytes, 0x5A);
  auto* target = static_cast<unsigned char*>(std::malloc(bytes));
  std::memcpy(target, source.data(), bytes);
  benchmark::DoNotOptimize(target[bytes - 1]);
  std::free(target);
  return bytes;
}
