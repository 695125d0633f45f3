#pragma once
// The recent-file list of the "Fichier" menu, kept in the profile's registry key under
// "Recent File List" as the framework keeps it: "File1" (the latest) to "File4".
#include <string>
#include <vector>

class RecentFiles {
 public:
  std::vector<std::wstring> Load() const;
  // `path` goes first, by the core's rules.
  void Add(const std::wstring& path);
  void Remove(const std::wstring& path);

 private:
  void Store(const std::vector<std::wstring>& files) const;
};
