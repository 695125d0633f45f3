#include "analyser/win32/snapshot_file.h"

#include <windows.h>

#include <vector>

#include "analyser/document/snapshot_file_messages.h"
#include "platform/windows/wide_text.h"

namespace {

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() { Close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }
  bool Close() {
    const bool closed = !Valid() || CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

FileFault FaultOf(DWORD error, FileFault otherwise) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
      return FileFault::Missing;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return FileFault::Denied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileFault::DiskFull;
    default:
      return otherwise;
  }
}

std::wstring FolderOf(const std::wstring& path) {
  wchar_t full[MAX_PATH * 4];
  wchar_t* name = nullptr;
  const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(std::size(full)), full, &name);
  if (length == 0 || length >= std::size(full)) return L".";
  if (name != nullptr) *name = L'\0';
  std::wstring folder(full);
  if (folder.size() > 3 && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  return folder;
}

}  // namespace

bool ReadSnapshotFile(const std::wstring& path, CSylvarineDoc& document, std::string& error) {
  const std::string shown = WideToUtf8(path);
  auto fail = [&](auto message, FileFault fault) {
    error = message(shown, fault);
    return false;
  };
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return fail(OpenFailureMessage, FileFault::Directory);
  Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid())
    return fail(OpenFailureMessage, FaultOf(GetLastError(), FileFault::ReadError));
  // A pipe, a console or a port could wait for ever: only a file on a disk is read.
  if (GetFileType(file.Get()) != FILE_TYPE_DISK)
    return fail(OpenFailureMessage, FileFault::NotRegular);
  std::vector<uint8_t> bytes(kSnapshotBytes);
  std::size_t got = 0;
  while (got < bytes.size()) {
    DWORD read = 0;
    if (!::ReadFile(file.Get(), bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &read,
                    nullptr))
      return fail(ReadFailureMessage, FaultOf(GetLastError(), FileFault::ReadError));
    if (read == 0) break;
    got += read;
  }
  if (document.LoadSnapshot(bytes.data(), got) != SnapshotLoadResult::Loaded) {
    error = TooShortMessage(shown, got);
    return false;
  }
  return true;
}

bool WriteSnapshotFile(const std::wstring& path, const CSylvarineDoc& document, std::string& error) {
  const std::string shown = WideToUtf8(path);
  const std::wstring folder = FolderOf(path);
  auto fail = [&](FileFault fault) {
    error = SaveFailureMessage(shown, fault, WideToUtf8(folder));
    return false;
  };
  const DWORD folderAttributes = GetFileAttributesW(folder.c_str());
  if (folderAttributes == INVALID_FILE_ATTRIBUTES ||
      (folderAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
    return fail(FileFault::FolderMissing);
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
    return fail(FileFault::Directory);

  // Written beside the file under another name, then put in its place: until then the
  // old file stays whole, and a failed write never leaves half a snapshot.
  wchar_t temporary[MAX_PATH];
  if (GetTempFileNameW(folder.c_str(), L"osc", 0, temporary) == 0)
    return fail(FaultOf(GetLastError(), FileFault::WriteError));
  std::vector<uint8_t> bytes(kSnapshotBytes);
  document.StoreSnapshot(bytes.data());
  DWORD failure = ERROR_SUCCESS;
  {
    Handle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file.Valid() ||
        !::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size() || !FlushFileBuffers(file.Get()) || !file.Close())
      failure = GetLastError();
  }
  if (failure == ERROR_SUCCESS &&
      !MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    failure = GetLastError();
  if (failure == ERROR_SUCCESS) return true;
  DeleteFileW(temporary);
  return fail(FaultOf(failure, FileFault::WriteError));
}
