#pragma once

#include <cstddef>
#include <string>

// UTF-16 text (null-terminated char16_t) as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const char16_t* text);

// `text` cut to at most `maxBytes` bytes without splitting a UTF-8 sequence.
std::string CutAtCharacterBoundary(std::string text, std::size_t maxBytes);
