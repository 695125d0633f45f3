#pragma once
// Letter case as Windows machines see it: file, folder, key and value names are
// found whatever their case. Names are UTF-8; the letters folded are those of the
// single-byte code page the scripts use (ASCII and the accented Latin letters).
#include <string>
#include <string_view>

char AsciiUpper(char c);
char AsciiLower(char c);
std::string AsciiUpperCase(std::string_view text);
std::string AsciiLowerCase(std::string_view text);

// The name with every letter in one case, for comparing names.
std::string FoldNameCase(std::string_view name);
bool NamesEqualIgnoringCase(std::string_view a, std::string_view b);
