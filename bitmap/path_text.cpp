#include "bitmap/path_text.h"

namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::string Utf16ToUtf8(const char16_t* text) {
  std::string out;
  for (const char16_t* u = text; *u != 0; ++u) {
    if (IsHighSurrogate(u[0]) && IsLowSurrogate(u[1])) {
      AppendUtf8(out, 0x10000 + ((char32_t{u[0]} - 0xD800) << 10) + (char32_t{u[1]} - 0xDC00));
      ++u;
    } else if (IsHighSurrogate(*u) || IsLowSurrogate(*u)) {
      AppendUtf8(out, 0xFFFD);
    } else {
      AppendUtf8(out, *u);
    }
  }
  return out;
}

std::string CutAtCharacterBoundary(std::string text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t cut = maxBytes;
  // Step back over continuation bytes (10xxxxxx) to the start of the cut character.
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  text.resize(cut);
  return text;
}
