#include "analyser/win32/recent_files.h"

#include <windows.h>

#include <algorithm>

#include "analyser/state/application_title.h"
#include "analyser/view/menu_table.h"
#include "platform/windows/wide_text.h"

namespace {

std::wstring SectionKey() {
  return Utf8ToWide(std::string("Software\\") + kCompanyKey + "\\" + kApplicationTitle + "\\" +
                         kRecentFileSection);
}

std::wstring EntryName(int index) {
  return Utf8ToWide(kRecentFileEntryPrefix) + std::to_wstring(index + 1);
}

bool SameFile(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

std::vector<std::wstring> RecentFiles::Load() const {
  std::vector<std::wstring> files;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return files;
  for (int i = 0; i < kRecentFileCount; ++i) {
    wchar_t path[MAX_PATH * 2] = L"";
    DWORD size = sizeof path - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, EntryName(i).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(path),
                         &size) == ERROR_SUCCESS &&
        type == REG_SZ && path[0] != L'\0')
      files.emplace_back(path);
  }
  RegCloseKey(key);
  return files;
}

void RecentFiles::Add(const std::wstring& path) {
  std::vector<std::wstring> files = Load();
  std::erase_if(files, [&](const std::wstring& file) { return SameFile(file, path); });
  files.insert(files.begin(), path);
  Store(files);
}

void RecentFiles::Remove(const std::wstring& path) {
  std::vector<std::wstring> files = Load();
  std::erase_if(files, [&](const std::wstring& file) { return SameFile(file, path); });
  Store(files);
}

void RecentFiles::Store(const std::vector<std::wstring>& files) const {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionKey().c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    return;  // the list is a convenience: a profile that cannot be written keeps none
  for (int i = 0; i < kRecentFileCount; ++i) {
    const std::wstring name = EntryName(i);
    if (i < static_cast<int>(files.size())) {
      const std::wstring& file = files[static_cast<std::size_t>(i)];
      RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(file.c_str()),
                     static_cast<DWORD>((file.size() + 1) * sizeof(wchar_t)));
    } else {
      RegDeleteValueW(key, name.c_str());
    }
  }
  RegCloseKey(key);
}
