#include "analyser/win32/support/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <iterator>

#include "platform/windows/wide_text.h"

std::optional<std::wstring> AskFileName(HWND owner, const FileDialogRequest& request) {
  // "Name (*.ext)\0*.ext\0\0", as the common dialogs take a filter.
  const std::wstring extension = Utf8ToWide(request.extension);
  std::wstring filter = Utf8ToWide(request.filter);
  filter += L'\0';
  filter += L"*" + extension;
  filter += L'\0';
  const std::wstring title = Utf8ToWide(request.title);
  const std::wstring defaultExtension = extension.empty() ? extension : extension.substr(1);
  wchar_t file[MAX_PATH * 4] = L"";
  request.proposed.copy(file, std::min(request.proposed.size(), std::size(file) - 1));
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file;
  dialog.nMaxFile = static_cast<DWORD>(std::size(file));
  if (!title.empty()) dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
  if (request.save) {
    dialog.lpstrDefExt = defaultExtension.c_str();
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
  } else {
    dialog.Flags |= OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  }
  return std::wstring(file);
}
