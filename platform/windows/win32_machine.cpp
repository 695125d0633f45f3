#include "platform/windows/win32_machine.h"

#include <windows.h>

#include "platform/windows/file_handles.h"
#include "platform/windows/registry_values.h"
#include "platform/windows/system_error.h"
#include "platform/windows/wide_text.h"

namespace {

// Failures that are answers, not faults of the machine: nothing is there, it is there
// already, or it does not fit the caller's buffer.
bool IsOrdinary(uint32_t error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
    case ERROR_MORE_DATA:
    case ERROR_UNSUPPORTED_TYPE:
    case ERROR_INVALID_NAME:
      return true;
    default:
      return false;
  }
}

// A directory the system wrote into a buffer of kPathCharacters; empty when it did not fit.
std::string DirectoryText(const wchar_t* buffer, UINT length) {
  if (length == 0 || length >= Win32Machine::kPathCharacters) return {};
  return WideToUtf8(std::wstring_view(buffer, length));
}

}  // namespace

Win32Machine::Win32Machine() : files_(std::make_unique<FileHandles>()) {}

Win32Machine::~Win32Machine() = default;  // uncommitted writes are discarded

bool Win32Machine::Note(uint32_t error) {
  fault_ = error == 0 || IsOrdinary(error) ? std::string() : SystemErrorText(error);
  return error == 0;
}

bool Win32Machine::ReadRegistryString(RegistryRoot root, std::string_view key,
                                      std::string_view valueName, std::size_t capacity,
                                      std::string& value) {
  return Note(ReadRegistryText(root, key, valueName, capacity, value));
}

bool Win32Machine::WriteRegistryString(RegistryRoot root, std::string_view key,
                                       std::string_view valueName, std::string_view value) {
  return Note(WriteRegistryText(root, key, valueName, value));
}

bool Win32Machine::DeleteRegistryKey(RegistryRoot root, std::string_view key) {
  return Note(DeleteRegistryKeyNamed(root, key));
}

std::string Win32Machine::WindowsDirectory() {
  wchar_t buffer[kPathCharacters] = {};
  return DirectoryText(buffer, GetWindowsDirectoryW(buffer, kPathCharacters));
}

std::string Win32Machine::SystemDirectory() {
  wchar_t buffer[kPathCharacters] = {};
  return DirectoryText(buffer, GetSystemDirectoryW(buffer, kPathCharacters));
}

bool Win32Machine::FileExists(std::string_view path) {
  const bool exists = GetFileAttributesW(Utf8ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  return Note(exists ? 0 : GetLastError());
}

bool Win32Machine::MakeDirectory(std::string_view path) {
  return Note(CreateDirectoryW(Utf8ToWide(path).c_str(), nullptr) ? 0 : GetLastError());
}

bool Win32Machine::RemoveFile(std::string_view path) {
  return Note(DeleteFileW(Utf8ToWide(path).c_str()) ? 0 : GetLastError());
}

bool Win32Machine::ShortPathName(std::string_view path, std::string& shortPath) {
  wchar_t buffer[kPathCharacters] = {};
  const DWORD length = GetShortPathNameW(Utf8ToWide(path).c_str(), buffer, kPathCharacters);
  if (length == 0) return Note(GetLastError());
  if (length >= kPathCharacters) return Note(ERROR_MORE_DATA);
  shortPath = WideToUtf8(std::wstring_view(buffer, length));
  return Note(0);
}

IMachine::FileHandle Win32Machine::OpenForReading(std::string_view path) {
  uint32_t error = 0;
  const FileHandle file = files_->OpenForReading(Utf8ToWide(path), error);
  Note(error);
  return file;
}

IMachine::FileHandle Win32Machine::CreateForWriting(std::string_view path) {
  uint32_t error = 0;
  const FileHandle file = files_->CreateForWriting(Utf8ToWide(path), error);
  Note(error);
  return file;
}

int64_t Win32Machine::ReadFile(FileHandle file, uint8_t* buffer, std::size_t capacity) {
  uint32_t error = 0;
  const int64_t read = files_->Read(file, buffer, capacity, error);
  Note(error);
  return read;
}

bool Win32Machine::WriteFile(FileHandle file, const uint8_t* data, std::size_t size) {
  uint32_t error = 0;
  files_->Write(file, data, size, error);
  return Note(error);
}

bool Win32Machine::CloseFile(FileHandle file) {
  uint32_t error = 0;
  files_->Close(file, error);
  return Note(error);
}
