#pragma once
// The machine both programs speak of, on Windows itself: the real registry, drives,
// Windows and system directories and short names. Paths are Windows paths in UTF-8,
// relative ones relative to the working directory, and reach the system through the
// wide functions; registry strings keep the ANSI form (registry_values.h).
#include <memory>
#include <string>
#include <string_view>

#include "platform/machine.h"

class FileHandles;

class Win32Machine : public IMachine {
 public:
  // The system's directory functions fill buffers of this many characters.
  static constexpr std::size_t kPathCharacters = 260;

  Win32Machine();
  ~Win32Machine() override;
  Win32Machine(const Win32Machine&) = delete;
  Win32Machine& operator=(const Win32Machine&) = delete;

  bool ReadRegistryString(RegistryRoot root, std::string_view key, std::string_view valueName,
                          std::size_t capacity, std::string& value) override;
  bool WriteRegistryString(RegistryRoot root, std::string_view key, std::string_view valueName,
                           std::string_view value) override;
  bool DeleteRegistryKey(RegistryRoot root, std::string_view key) override;

  std::string WindowsDirectory() override;
  std::string SystemDirectory() override;

  bool FileExists(std::string_view path) override;
  bool MakeDirectory(std::string_view path) override;
  bool RemoveFile(std::string_view path) override;
  bool ShortPathName(std::string_view path, std::string& shortPath) override;

  FileHandle OpenForReading(std::string_view path) override;
  FileHandle CreateForWriting(std::string_view path) override;
  int64_t ReadFile(FileHandle file, uint8_t* buffer, std::size_t capacity) override;
  bool WriteFile(FileHandle file, const uint8_t* data, std::size_t size) override;
  bool CloseFile(FileHandle file) override;
  // Windows has no executable bits.
  bool CopyExecutableMode(std::string_view, std::string_view) override { return true; }
  // Every file is flushed as it is committed.
  void FlushWrites() override {}
  std::string MachineFault() const override { return fault_; }

 private:
  // Keeps the words of `error` unless it is an ordinary failure; true when it is 0.
  bool Note(uint32_t error);

  std::unique_ptr<FileHandles> files_;
  std::string fault_;
};
