#pragma once
// Scripts and logs are Windows-1252 bytes; everything inside the programs is UTF-8.
// These two conversions are the only crossing of that boundary.
#include <string>
#include <string_view>

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters with no Windows-1252 form become '?'.
std::string Utf8ToCp1252(std::string_view text);
// Appends one character (below U+10000) as UTF-8.
void AppendUtf8(std::string& out, char32_t code);
