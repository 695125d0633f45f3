#pragma once
// Files opened through the machine, by handle. A file created for writing is written
// to a temporary file beside its target, flushed, and renamed over the target when it
// is closed; until then, and after any failure, the old file stays as it was.
// Every call leaves the system's error code of its failure in `error` (0 on success).
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

class FileHandles {
 public:
  FileHandles() = default;
  ~FileHandles();  // files still open for writing are discarded
  FileHandles(const FileHandles&) = delete;
  FileHandles& operator=(const FileHandles&) = delete;

  // Handles are positive; -1 on failure.
  int32_t OpenForReading(const std::wstring& path, uint32_t& error);
  int32_t CreateForWriting(const std::wstring& path, uint32_t& error);
  int64_t Read(int32_t handle, uint8_t* buffer, std::size_t capacity, uint32_t& error);
  bool Write(int32_t handle, const uint8_t* data, std::size_t size, uint32_t& error);
  // For a written file: true when it replaced its target.
  bool Close(int32_t handle, uint32_t& error);

 private:
  struct Entry {
    void* handle = nullptr;
    bool writing = false;
    uint32_t failure = 0;  // the error of a failed write: the file is never committed
    std::wstring target;
    std::wstring temporary;
  };
  void Discard(Entry& entry);

  std::map<int32_t, Entry> entries_;
  int32_t nextHandle_ = 1;
  uint32_t temporaries_ = 0;
};
