#include "bitmap/dib_reader.h"

#include <string>

#include "bitmap/dib_decode.h"
#include "bitmap/mapped_file.h"
#include "bitmap/path_text.h"

namespace {

// The failure box's text had room for 255 characters; longer paths are cut to fit.
inline constexpr std::size_t kMaxMessageBytes = 255;

void ReportOpenFailure(const std::string& path) {
  const std::string text = "Failed to open DIB file " + path + ".\n";
  ReportDibError(CutAtCharacterBoundary(text, kMaxMessageBytes).c_str());
}

}  // namespace

RgbImage* ReadDibImage(const char* path) { return ReadDibImageEx(path, false); }

RgbImage* ReadDibImageEx(const void* path, bool wide) {
  if (path == nullptr) path = wide ? static_cast<const void*>(u"") : "";
  const std::string narrowPath =
      wide ? Utf16ToUtf8(static_cast<const char16_t*>(path)) : static_cast<const char*>(path);
  RgbImage* image = nullptr;
  DibFailure failure = DibFailure::kNone;
  {
    CMappedFile file;
    if (!file.Open(narrowPath.c_str())) failure = DibFailure::kOpen;
    else failure = DecodeDibImage(file.bytes(), &image);
  }  // the mapping is released before the user sees any message
  if (failure == DibFailure::kOpen) ReportOpenFailure(narrowPath);
  else if (failure != DibFailure::kNone) ReportDibError(DibFailureText(failure));
  return image;
}
