#include "platform/windows/file_handles.h"

#include <windows.h>

#include <algorithm>

namespace {

// Largest piece handed to one ReadFile or WriteFile call.
constexpr std::size_t kPieceBytes = 1u << 30;

}  // namespace

FileHandles::~FileHandles() {
  for (auto& [handle, entry] : entries_) {
    if (entry.writing) {
      Discard(entry);
    } else {
      CloseHandle(entry.handle);
    }
  }
}

int32_t FileHandles::OpenForReading(const std::wstring& path, uint32_t& error) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = GetLastError();
    return -1;
  }
  error = 0;
  entries_[nextHandle_] = Entry{file, false, 0, path, {}};
  return nextHandle_++;
}

int32_t FileHandles::CreateForWriting(const std::wstring& path, uint32_t& error) {
  // Beside the target, so that the rename stays on its volume.
  const std::wstring temporary = path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(++temporaries_) + L".tmp";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = GetLastError();
    return -1;
  }
  error = 0;
  entries_[nextHandle_] = Entry{file, true, 0, path, temporary};
  return nextHandle_++;
}

int64_t FileHandles::Read(int32_t handle, uint8_t* buffer, std::size_t capacity, uint32_t& error) {
  auto it = entries_.find(handle);
  if (it == entries_.end() || it->second.writing) {
    error = ERROR_INVALID_HANDLE;
    return -1;
  }
  std::size_t total = 0;
  while (total < capacity) {
    DWORD read = 0;
    const auto piece = static_cast<DWORD>(std::min(capacity - total, kPieceBytes));
    if (!ReadFile(it->second.handle, buffer + total, piece, &read, nullptr)) {
      error = GetLastError();
      return -1;
    }
    if (read == 0) break;
    total += read;
  }
  error = 0;
  return static_cast<int64_t>(total);
}

bool FileHandles::Write(int32_t handle, const uint8_t* data, std::size_t size, uint32_t& error) {
  auto it = entries_.find(handle);
  if (it == entries_.end() || !it->second.writing || it->second.failure != 0) {
    error = ERROR_INVALID_HANDLE;
    return false;
  }
  std::size_t total = 0;
  while (total < size) {
    DWORD written = 0;
    const auto piece = static_cast<DWORD>(std::min(size - total, kPieceBytes));
    if (!WriteFile(it->second.handle, data + total, piece, &written, nullptr) || written == 0) {
      error = GetLastError();
      it->second.failure = error != 0 ? error : static_cast<uint32_t>(ERROR_WRITE_FAULT);
      return false;
    }
    total += written;
  }
  error = 0;
  return true;
}

bool FileHandles::Close(int32_t handle, uint32_t& error) {
  auto it = entries_.find(handle);
  if (it == entries_.end()) {
    error = ERROR_INVALID_HANDLE;
    return false;
  }
  Entry entry = it->second;
  entries_.erase(it);
  error = 0;
  if (!entry.writing) return CloseHandle(entry.handle) != 0;
  if (entry.failure != 0) {
    error = entry.failure;
    Discard(entry);
    return false;
  }
  // The data reaches the disk before the name does, so a crash leaves the old file or
  // the whole new one.
  if (!FlushFileBuffers(entry.handle)) {
    error = GetLastError();
    Discard(entry);
    return false;
  }
  CloseHandle(entry.handle);
  if (!MoveFileExW(entry.temporary.c_str(), entry.target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError();
    DeleteFileW(entry.temporary.c_str());
    return false;
  }
  return true;
}

void FileHandles::Discard(Entry& entry) {
  if (entry.handle != nullptr) CloseHandle(entry.handle);
  entry.handle = nullptr;
  DeleteFileW(entry.temporary.c_str());
}
