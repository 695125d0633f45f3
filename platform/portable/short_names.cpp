#include "platform/portable/short_names.h"

#include <algorithm>
#include <set>

#include "platform/portable/name_case.h"
#include "platform/portable/windows_path.h"

namespace {

bool IsAllowed(char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  static constexpr std::string_view kPunctuation = "!#$%&'()-@^_`{}~";
  return kPunctuation.find(c) != std::string_view::npos;
}

// The first `limit` allowed characters of `text`, in upper case.
std::string AllowedPrefix(std::string_view text, std::size_t limit) {
  std::string result;
  for (char c : text) {
    if (result.size() == limit) break;
    if (IsAllowed(c)) result += AsciiUpper(c);
  }
  return result;
}

struct NameParts {
  std::string_view base;
  std::string_view extension;
};

// The extension follows the last dot, unless only dots stand before it (".profile").
NameParts SplitName(std::string_view name) {
  std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || name.find_first_not_of('.') >= dot) return {name, {}};
  return {name.substr(0, dot), name.substr(dot + 1)};
}

std::string GeneratedName(std::string_view longName, unsigned number) {
  NameParts parts = SplitName(longName);
  std::string tail = "~" + std::to_string(number);
  std::string name = AllowedPrefix(parts.base, std::min<std::size_t>(6, 8 - tail.size())) + tail;
  std::string extension = AllowedPrefix(parts.extension, 3);
  if (!extension.empty()) name += "." + extension;
  return name;
}

}  // namespace

bool IsValidShortName(std::string_view name) {
  std::size_t dot = name.find('.');
  std::string_view base = name.substr(0, dot);
  std::string_view extension;
  if (dot != std::string_view::npos) {
    extension = name.substr(dot + 1);
    if (extension.empty() || extension.size() > 3) return false;
  }
  if (base.empty() || base.size() > 8) return false;
  return std::all_of(base.begin(), base.end(), IsAllowed) &&
         std::all_of(extension.begin(), extension.end(), IsAllowed);
}

std::string ShortNameAmong(std::string_view longName, const std::vector<std::string>& siblings) {
  if (IsValidShortName(longName)) return AsciiUpperCase(longName);
  std::set<std::string> ordered(siblings.begin(), siblings.end());  // byte order
  ordered.emplace(longName);
  std::set<std::string> used;
  for (const auto& sibling : ordered)
    if (IsValidShortName(sibling)) used.insert(AsciiUpperCase(sibling));
  for (const auto& sibling : ordered) {
    if (IsValidShortName(sibling)) continue;
    std::string candidate;
    for (unsigned number = 1;; ++number) {
      candidate = GeneratedName(sibling, number);
      if (used.insert(candidate).second) break;
    }
    if (sibling == longName) return candidate;
  }
  return {};  // not reached: longName is among the ordered names
}

std::string ShortPathOf(std::string_view path, std::string_view workingDirectory,
                        const DirectoryLister& listDirectory) {
  WindowsPath asked = ParseWindowsPath(path);
  WindowsPath walked = asked.rooted ? AbsoluteWindowsPath("\\", workingDirectory)
                                    : AbsoluteWindowsPath("", workingDirectory);
  if (asked.drive != 0) walked.drive = asked.drive;
  WindowsPath result{asked.drive, asked.rooted, {}};
  for (const auto& component : asked.components) {
    if (component == "..") {  // only in relative paths
      result.components.push_back(component);
      if (!walked.components.empty()) walked.components.pop_back();
      continue;
    }
    result.components.push_back(ShortNameAmong(component, listDirectory(FormatWindowsPath(walked))));
    walked.components.push_back(component);
  }
  return FormatWindowsPath(result);
}
