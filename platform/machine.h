#pragma once
// The Windows machine both programs speak of: registry, drive-letter paths,
// the Windows and system directories, short names. Every path here is a Windows
// path ("C:\WINDOWS\SYSTEM"); every text is UTF-8. On Linux one directory stands
// in for the machine (platform/linux); tests use an in-memory machine.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

enum class RegistryRoot { LocalMachine, CurrentUser };

class IMachine {
 public:
  virtual ~IMachine() = default;

  // Registry. Key names compare without regard to case; an empty value name is
  // the key's default value. A read fails when the value is missing or its text
  // (with its terminating zero) needs more than `capacity` bytes.
  virtual bool ReadRegistryString(RegistryRoot root, std::string_view key,
                                  std::string_view valueName, std::size_t capacity,
                                  std::string& value) = 0;
  virtual bool WriteRegistryString(RegistryRoot root, std::string_view key,
                                   std::string_view valueName, std::string_view value) = 0;
  virtual bool DeleteRegistryKey(RegistryRoot root, std::string_view key) = 0;

  virtual std::string WindowsDirectory() = 0;  // "C:\WINDOWS"
  virtual std::string SystemDirectory() = 0;   // "C:\WINDOWS\SYSTEM"

  // Files and directories.
  virtual bool FileExists(std::string_view path) = 0;
  // Named apart from the system's own functions, whose <windows.h> macros would rename them.
  virtual bool MakeDirectory(std::string_view path) = 0;  // one level, like the platform
  // Deletes a file that could be opened for writing: never a directory, and, as on
  // Windows, never a read-only file.
  virtual bool RemoveFile(std::string_view path) = 0;
  // Short (8.3) form of an existing path; fails when the path does not exist.
  virtual bool ShortPathName(std::string_view path, std::string& shortPath) = 0;

  // Whole-file streaming. A file created for writing replaces any existing file
  // only when it is closed successfully (atomic replace); until then the old file
  // stays intact. A handle below 0 is invalid.
  using FileHandle = int32_t;
  virtual FileHandle OpenForReading(std::string_view path) = 0;
  virtual FileHandle CreateForWriting(std::string_view path) = 0;
  // Bytes read (0 at the end), or -1 on error.
  virtual int64_t ReadFile(FileHandle file, uint8_t* buffer, std::size_t capacity) = 0;
  virtual bool WriteFile(FileHandle file, const uint8_t* data, std::size_t size) = 0;
  // Commits a file opened for writing; false when it could not be written. After a
  // failed WriteFile the file is discarded, never committed in part.
  virtual bool CloseFile(FileHandle file) = 0;
  // Gives `target` the executable permission bits of `source` (no-op where meaningless).
  virtual bool CopyExecutableMode(std::string_view source, std::string_view target) = 0;
  // Makes every file committed so far durable on the disk.
  virtual void FlushWrites() = 0;

  // Why the last call failed when the machine itself is at fault (a damaged or
  // unreadable registry file, a permission, a lock held by a program that hangs),
  // in words for a person; empty after a success or an ordinary failure (a missing
  // value, a missing file).
  virtual std::string MachineFault() const = 0;
};
