#include "analyser/win32/recent_files.h"

#include <windows.h>


#include "analyser/frame/document_files.h"
#include "analyser/frame/recent_files.h"
#include "platform/windows/wide_text.h"

namespace {

std::wstring SectionKey() {
  return Utf8ToWide(std::string("Software\\") + kRegistryKeyName + "\\" + kApplicationTitle + "\\" +
                    kRecentFileSection);
}

std::wstring EntryName(int index) { return Utf8ToWide(RecentFileEntryName(index)); }

std::vector<std::string> Utf8List(const std::vector<std::wstring>& files) {
  std::vector<std::string> list;
  for (const std::wstring& file : files) list.push_back(WideToUtf8(file));
  return list;
}

std::vector<std::wstring> WideList(const std::vector<std::string>& files) {
  std::vector<std::wstring> list;
  for (const std::string& file : files) list.push_back(Utf8ToWide(file));
  return list;
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
  Store(WideList(WithRecentFile(Utf8List(Load()), WideToUtf8(path))));
}

void RecentFiles::Remove(const std::wstring& path) {
  Store(WideList(WithoutRecentFile(Utf8List(Load()), WideToUtf8(path))));
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
