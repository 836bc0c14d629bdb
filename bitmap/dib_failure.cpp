#include "bitmap/dib_failure.h"

const char* DibFailureText(DibFailure failure) {
  switch (failure) {
    case DibFailure::kOutOfMemory: return "Out of memory.";
    case DibFailure::kUnknownFormat: return "Unknown DIB file format.";
    case DibFailure::kConversion: return "Image file conversion error.";
    case DibFailure::kOpen:
    case DibFailure::kNone: break;
  }
  return "";
}
