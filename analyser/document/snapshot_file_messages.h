#pragma once
// What the person is told when a snapshot file cannot be opened, read or saved: one line,
// the file's name and the cause as the file system shows it.
#include <cstddef>
#include <string>
#include <string_view>

enum class FileFault {
  Missing,
  Directory,
  NotRegular,     // a FIFO, a device or a socket
  Denied,
  FolderMissing,  // the folder a file was to be saved in
  DiskFull,
  ReadError,
  WriteError,
};

// The cause in words; `folder` names the missing folder.
std::string FileFaultText(FileFault fault, std::string_view folder = {});

std::string OpenFailureMessage(std::string_view path, FileFault fault);
std::string ReadFailureMessage(std::string_view path, FileFault fault);
std::string SaveFailureMessage(std::string_view path, FileFault fault, std::string_view folder);
// A file shorter than a snapshot: `size` bytes where a snapshot has kSnapshotBytes.
std::string TooShortMessage(std::string_view path, std::size_t size);
