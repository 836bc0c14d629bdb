#pragma once

// Why a bitmap could not be read. Each reason has one text for the user.
enum class DibFailure {
  kNone,
  kOpen,            // the file cannot be opened or mapped
  kOutOfMemory,     // the image is too large, or an allocation failed
  kUnknownFormat,   // not a header the reader knows
  kConversion,      // an encoding or geometry the converter does not cover, or no row present
};

// The user's text for kOutOfMemory, kUnknownFormat and kConversion (the open failure's
// text names the path and is built by the reader).
const char* DibFailureText(DibFailure failure);
