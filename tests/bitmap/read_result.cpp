#include "read_result.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string>* capturedMessages = nullptr;

void Capture(const char* message) { capturedMessages->push_back(message); }

template <typename Read>
ReadResult ReadCapturing(Read read) {
  ReadResult result;
  capturedMessages = &result.messages;
  const DibErrorReporter previous = SetDibErrorReporter(Capture);
  result.image.reset(read());
  SetDibErrorReporter(previous);
  capturedMessages = nullptr;
  return result;
}

}  // namespace

ReadResult ReadPath(const char* path) {
  return ReadCapturing([&] { return ReadDibImage(path); });
}

ReadResult ReadPathWide(const char16_t* path) {
  return ReadCapturing([&] { return ReadDibImageEx(path, true); });
}

ReadResult ReadBytes(const Bytes& bytes) {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name() + ".bmp";
  for (char& c : name)
    if (c == '/') c = '_';
  const std::string path = WriteTempFile(name, bytes);
  return ReadPath(path.c_str());
}
