#pragma once
// Short (8.3) names, derived from the long names of a directory's entries.
#include <string>
#include <string_view>
#include <vector>

// A base of 1 to 8 allowed characters, optionally "." and 1 to 3 more.
bool IsValidShortName(std::string_view name);

// The short name of `longName` among the long names of every entry of its
// directory (`siblings` may include `longName` itself; their order does not matter).
std::string ShortNameAmong(std::string_view longName, const std::vector<std::string>& siblings);
