#pragma once
// What the person reads when a snapshot file cannot be opened, read or written, whatever
// the shell: one line, in French, naming the file and the cause.
#include <cstdint>
#include <string>
#include <string_view>

enum class SnapshotFileFault {
  Missing,        // no such file
  Directory,      // a folder, not a file
  NotRegular,     // a FIFO, a device or a socket: refused before anything waits on it
  Denied,         // access refused
  FolderMissing,  // the folder a file is saved into does not exist
  DiskFull,
  ReadFailed,
  WriteFailed,
};

enum class SnapshotFileStep { Open, Read, Write };

std::string SnapshotFaultMessage(SnapshotFileStep step, std::string_view path,
                                 SnapshotFileFault fault, std::string_view folder = {});
// A file shorter than a snapshot.
std::string SnapshotTooShortMessage(std::string_view path, uint64_t size);
