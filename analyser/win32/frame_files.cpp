// The frame's file commands: new, open, save, save as, the recent files and dropped files.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "analyser/frame/document_files.h"
#include "analyser/frame/recent_files.h"
#include "analyser/state/application_title.h"
#include "analyser/win32/main_frame.h"
#include "analyser/win32/menu_building.h"
#include "analyser/win32/snapshot_file.h"
#include "analyser/win32/support/file_dialog.h"
#include "platform/windows/wide_text.h"

namespace {

std::wstring FileNameOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 4];
  const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(std::size(full)), full, nullptr);
  return length > 0 && length < std::size(full) ? std::wstring(full) : path;
}

}  // namespace

void CMainFrame::NewDocument() {
  document_.OnNewDocument();
  documentPath_.clear();
  UpdateTitle();
  InvalidateRect(viewWindow_.Handle(), nullptr, TRUE);
}

bool CMainFrame::OpenSnapshot(const std::wstring& path) {
  std::string error;
  if (!ReadSnapshotFile(path, document_, error)) {
    messages_.ShowMessage(error, kApplicationTitle, MessageIcon::Warning, MessageButtons::Ok,
                          IsWindowVisible(window_) != FALSE);
    return false;
  }
  documentPath_ = FullPath(path);
  recentFiles_.Add(documentPath_);
  UpdateTitle();
  InvalidateRect(viewWindow_.Handle(), nullptr, TRUE);
  return true;
}

void CMainFrame::OpenDocument() {
  const auto file = AskFileName(window_, {false, kSnapshotFilter, kSnapshotExtension, {}, {}});
  if (file) OpenSnapshot(*file);
}

void CMainFrame::SaveDocument() {
  if (documentPath_.empty()) {
    SaveDocumentAs();
  } else {
    SaveTo(documentPath_);
  }
}

void CMainFrame::SaveDocumentAs() {
  const std::wstring proposed = documentPath_.empty() ? Utf8ToWide(UntitledFileName()) : documentPath_;
  const auto file =
      AskFileName(window_, {true, kSnapshotFilter, kSnapshotExtension, {}, proposed});
  if (!file) return;
  if (SaveTo(*file)) {
    documentPath_ = FullPath(*file);
    recentFiles_.Add(documentPath_);
    UpdateTitle();
  }
}

bool CMainFrame::SaveTo(const std::wstring& path) {
  std::string error;
  if (WriteSnapshotFile(path, document_, error)) return true;
  messages_.ShowMessage(error, kApplicationTitle, MessageIcon::Warning, MessageButtons::Ok, true);
  return false;
}

void CMainFrame::OpenRecentFile(uint32_t commandId) {
  const std::vector<std::wstring> files = recentFiles_.Load();
  const auto index = static_cast<std::size_t>(RecentFileIndexOf(commandId));
  if (index >= files.size()) return;
  const std::wstring path = files[index];
  // An entry that no longer opens leaves the list.
  if (!OpenSnapshot(path)) recentFiles_.Remove(path);
}

void CMainFrame::RebuildRecentFileItems(HMENU fileMenu) {
  std::vector<std::wstring> names;
  for (const std::wstring& file : recentFiles_.Load()) names.push_back(FileNameOf(file));
  SetRecentFileItems(fileMenu, names);
}

void CMainFrame::DropFiles(HDROP drop) {
  // The first dropped file opens, as the framework opens one document.
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring path(length, L'\0');
  if (length > 0) DragQueryFileW(drop, 0, path.data(), length + 1);
  DragFinish(drop);
  if (length == 0) return;
  SetForegroundWindow(window_);
  OpenSnapshot(path);
}

void CMainFrame::UpdateTitle() {
  const std::string name = documentPath_.empty() ? std::string() : WideToUtf8(FileNameOf(documentPath_));
  SetWindowTextW(window_, Utf8ToWide(FrameTitle(name)).c_str());
}
