#pragma once
// A folder of the test's own under the system's temporary folder, removed at the end.
#include <windows.h>

#include <filesystem>
#include <string>

#include "platform/windows/wide_text.h"

class ScratchFolder {
 public:
  ScratchFolder()
      : path_(std::filesystem::temp_directory_path() /
              (L"sylvarine-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++made_))) {
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& Path() const { return path_; }
  // A path inside, as the machine takes it: a Windows path in UTF-8.
  std::string Inside(const std::wstring& name) const { return WideToUtf8((path_ / name).wstring()); }

 private:
  static inline int made_ = 0;
  std::filesystem::path path_;
};
