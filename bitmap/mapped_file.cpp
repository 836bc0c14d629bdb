#include "bitmap/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

CMappedFile::~CMappedFile() { Release(); }

bool CMappedFile::Open(const char* path) {
  Release();
  // O_NONBLOCK keeps a FIFO from stalling the open; it is refused just below.
  descriptor = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) return false;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
    Release();
    return false;
  }
  const auto length = static_cast<std::size_t>(status.st_size);
  // Populating the page tables up front turns thousands of read faults into one call.
  void* view = ::mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
  if (view == MAP_FAILED) {
    Release();
    return false;
  }
  data = static_cast<const unsigned char*>(view);
  size = length;
  return true;
}

void CMappedFile::Release() {
  if (data != nullptr) ::munmap(const_cast<unsigned char*>(data), size);
  if (descriptor >= 0) ::close(descriptor);
  data = nullptr;
  size = 0;
  descriptor = -1;
}
