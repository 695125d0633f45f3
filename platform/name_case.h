#pragma once
// Letter case as Windows machines see it: file, folder, key and value names are
// found whatever their case. Names are UTF-8; the letters folded are those of the
// single-byte code page the scripts use (ASCII and the accented Latin letters).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

char AsciiUpper(char c);
char AsciiLower(char c);
std::string AsciiUpperCase(std::string_view text);
std::string AsciiLowerCase(std::string_view text);

// The name with every letter in one case, for comparing names.
std::string FoldNameCase(std::string_view name);
bool NamesEqualIgnoringCase(std::string_view a, std::string_view b);

// The entry of a directory that `name` designates: the entry spelled exactly so,
// else the first (in byte order) that differs only in letter case.
std::optional<std::string> MatchEntryName(std::string_view name,
                                          const std::vector<std::string>& entries);
