#include "analyser/win32/shell_registration.h"

#include <windows.h>
#include <shlobj.h>

#include <utility>

#include "analyser/frame/document_files.h"
#include "platform/windows/wide_text.h"

namespace {

bool SetDefaultValue(const std::wstring& key, const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, (L"Software\\Classes\\" + key).c_str(), 0, nullptr, 0,
                      KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
    return false;
  const bool written =
      RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  RegCloseKey(handle);
  return written;
}

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

void RegisterSnapshotFileType() {
  const std::wstring type = Utf8ToWide(kSnapshotFileType);
  const std::wstring program = L"\"" + ProgramPath() + L"\"";
  const std::pair<std::wstring, std::wstring> entries[] = {
      {Utf8ToWide(kSnapshotExtension), type},
      {type, type},
      {type + L"\\DefaultIcon", ProgramPath() + L",0"},
      {type + L"\\shell\\open\\command", program + L" \"%1\""},
      {type + L"\\shell\\print\\command", program + L" /p \"%1\""},
      {type + L"\\shell\\printto\\command", program + L" /pt \"%1\" \"%2\" \"%3\" \"%4\""},
  };
  bool registered = true;
  for (const auto& [key, value] : entries) registered = SetDefaultValue(key, value) && registered;
  if (registered) SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

ShellCommand ParseShellCommand(const std::vector<std::wstring>& arguments) {
  ShellCommand command;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::wstring& word = arguments[i];
    if ((word == L"/p" || word == L"-p") && i + 1 < arguments.size()) {
      command.print = true;
      command.file = arguments[++i];
    } else if ((word == L"/pt" || word == L"-pt") && i + 2 < arguments.size()) {
      command.print = true;
      command.file = arguments[++i];
      command.printer = arguments[++i];
      i = arguments.size();  // the driver and port follow; the printer's name is enough
    } else if (command.file.empty()) {
      command.file = word;
    }
  }
  return command;
}
