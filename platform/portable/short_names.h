#pragma once
// Short (8.3) names, derived from the long names of a directory's entries.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// A base of 1 to 8 allowed characters, optionally "." and 1 to 3 more.
bool IsValidShortName(std::string_view name);

// The short name of `longName` among the long names of every entry of its
// directory (`siblings` may include `longName` itself; their order does not matter).
std::string ShortNameAmong(std::string_view longName, const std::vector<std::string>& siblings);

// Short form of an existing Windows path, component by component; a relative path
// (resolved against `workingDirectory`) gets a relative answer. `listDirectory`
// gives the long names of the entries of an absolute Windows directory.
using DirectoryLister = std::function<std::vector<std::string>(const std::string& directory)>;
std::string ShortPathOf(std::string_view path, std::string_view workingDirectory,
                        const DirectoryLister& listDirectory);
