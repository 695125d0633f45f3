#include "analyser/frame/recent_files.h"

std::string RecentFileEntryName(int index) { return "File" + std::to_string(index + 1); }

std::string RecentFileMenuText(int index, std::string_view fileName) {
  std::string text = "&" + std::to_string(index + 1) + " ";
  for (const char c : fileName) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

std::vector<std::string> WithoutRecentFile(std::span<const std::string> files,
                                           std::string_view path) {
  std::vector<std::string> kept;
  for (const std::string& file : files)
    if (file != path) kept.push_back(file);
  return kept;
}

std::vector<std::string> WithRecentFile(std::span<const std::string> files, std::string_view path) {
  std::vector<std::string> list{std::string(path)};
  for (std::string& file : WithoutRecentFile(files, path)) {
    if (list.size() == static_cast<std::size_t>(kRecentFileCount)) break;
    list.push_back(std::move(file));
  }
  return list;
}
