#include "platform/portable/name_case.h"

#include "platform/portable/text_encoding.h"

namespace {

// Lower-case code point of the Windows-1252 letters beyond ASCII.
char32_t FoldLatin(char32_t code) {
  if ((code >= 0xC0 && code <= 0xDE && code != 0xD7)) return code + 0x20;
  switch (code) {
    case 0x0152: return 0x0153;  // Œ
    case 0x0160: return 0x0161;  // Š
    case 0x017D: return 0x017E;  // Ž
    case 0x0178: return 0x00FF;  // Ÿ
    default: return code;
  }
}


}  // namespace

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiUpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiUpper(c);
  return result;
}

std::string AsciiLowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = AsciiLower(c);
  return result;
}

std::string FoldNameCase(std::string_view name) {
  std::string folded;
  folded.reserve(name.size());
  for (std::size_t i = 0; i < name.size();) {
    const auto lead = static_cast<unsigned char>(name[i]);
    // Two- and three-byte sequences hold the letters folded; anything else is kept.
    const std::size_t length = (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 1;
    if (length == 1 || i + length > name.size()) {
      folded += AsciiLower(name[i]);
      ++i;
      continue;
    }
    char32_t code = lead & (length == 2 ? 0x1F : 0x0F);
    bool wellFormed = true;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(name[i + k]);
      wellFormed = wellFormed && (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    const char32_t lower = wellFormed ? FoldLatin(code) : code;
    if (lower == code)
      folded.append(name.substr(i, length));
    else
      AppendUtf8(folded, lower);
    i += length;
  }
  return folded;
}

bool NamesEqualIgnoringCase(std::string_view a, std::string_view b) {
  return FoldNameCase(a) == FoldNameCase(b);
}
