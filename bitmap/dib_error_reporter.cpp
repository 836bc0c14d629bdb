#include "bitmap/dib_error_reporter.h"

#include <cstdio>

namespace {

void WriteToStandardError(const char* message) {
  std::fputs(message, stderr);
  // The open-failure text brings its own line feed; the others do not.
  bool endsWithNewline = false;
  for (const char* c = message; *c != '\0'; ++c) endsWithNewline = (*c == '\n');
  if (!endsWithNewline) std::fputc('\n', stderr);
}

// The reader is used from the user-interface thread only, so a plain pointer will do.
DibErrorReporter installedReporter = WriteToStandardError;

}  // namespace

DibErrorReporter SetDibErrorReporter(DibErrorReporter reporter) {
  const DibErrorReporter previous = installedReporter;
  installedReporter = reporter != nullptr ? reporter : WriteToStandardError;
  return previous;
}

void ReportDibError(const char* message) { installedReporter(message); }
