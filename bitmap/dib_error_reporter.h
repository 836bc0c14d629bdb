#pragma once

// Where the bitmap reader's failure texts go. The application installs one that shows a
// message box; without it the text goes to standard error. Tests install one that
// captures the text.
using DibErrorReporter = void (*)(const char* message);

// Installs `reporter` (null restores the standard-error reporter) and returns the one
// that was installed before.
DibErrorReporter SetDibErrorReporter(DibErrorReporter reporter);

// Hands `message` to the installed reporter.
void ReportDibError(const char* message);
