#pragma once
// Files opened through the machine, by handle. A file created for writing is
// written beside its target and renamed over it when closed, so a reader never
// sees it half-written; the disk is flushed once, when asked, not per file.
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>

class OpenFiles {
 public:
  OpenFiles();
  ~OpenFiles();  // files still open for writing are discarded
  OpenFiles(const OpenFiles&) = delete;
  OpenFiles& operator=(const OpenFiles&) = delete;

  // Handles are positive; -1 on failure.
  int32_t OpenForReading(const std::string& hostPath);
  int32_t CreateForWriting(const std::string& hostPath);
  int64_t Read(int32_t handle, uint8_t* buffer, std::size_t capacity);
  bool Write(int32_t handle, const uint8_t* data, std::size_t size);
  // For a written file: true when it replaced its target. `committedPath` names it.
  bool Close(int32_t handle, std::string* committedPath = nullptr);
  // Makes everything written so far durable: one flush per file system touched.
  void FlushWrites();

 private:
  struct Entry {
    int descriptor = -1;
    bool writing = false;
    bool failed = false;
    std::string target;
    std::string temporary;
  };
  void Discard(Entry& entry);

  std::map<int32_t, Entry> entries_;
  int32_t nextHandle_ = 1;
  std::set<std::string> writtenDirectories_;
  unsigned newFileMode_;
};
