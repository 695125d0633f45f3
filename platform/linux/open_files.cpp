#include "platform/linux/open_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::string DirectoryOf(const std::string& path) {
  const std::size_t cut = path.rfind('/');
  if (cut == std::string::npos) return ".";
  return cut == 0 ? "/" : path.substr(0, cut);
}

bool IsDirectory(const std::string& path) {
  struct stat info{};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The process's umask, read without changing it: setting and restoring it would race
// with any other thread creating files meanwhile.
unsigned CurrentUmask() {
  if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
    char line[256];
    unsigned mask = 0;
    bool found = false;
    while (!found && std::fgets(line, sizeof line, status) != nullptr)
      found = std::sscanf(line, "Umask: %o", &mask) == 1;
    std::fclose(status);
    if (found) return mask;
  }
  return 022;
}

}  // namespace

OpenFiles::OpenFiles() {
  // New files get the mode any program's new file gets: 0666 less the umask.
  newFileMode_ = 0666u & ~CurrentUmask();
}

OpenFiles::~OpenFiles() {
  for (auto& [handle, entry] : entries_) {
    if (entry.writing)
      Discard(entry);
    else
      ::close(entry.descriptor);
  }
}

int32_t OpenFiles::OpenForReading(const std::string& hostPath) {
  if (IsDirectory(hostPath)) return -1;
  const int descriptor = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return -1;
  const int32_t handle = nextHandle_++;
  entries_[handle] = Entry{descriptor, false, false, hostPath, {}};
  return handle;
}

int32_t OpenFiles::CreateForWriting(const std::string& hostPath) {
  if (IsDirectory(hostPath)) return -1;
  std::string temporary = hostPath + ".XXXXXX";
  std::vector<char> name(temporary.begin(), temporary.end());
  name.push_back('\0');
  const int descriptor = ::mkostemp(name.data(), O_CLOEXEC);
  if (descriptor < 0) return -1;
  temporary.assign(name.data());
  // A replaced file keeps its mode; a new one gets the usual one.
  struct stat existing{};
  const unsigned mode = ::stat(hostPath.c_str(), &existing) == 0
                            ? static_cast<unsigned>(existing.st_mode & 07777)
                            : newFileMode_;
  ::fchmod(descriptor, static_cast<mode_t>(mode));
  const int32_t handle = nextHandle_++;
  entries_[handle] = Entry{descriptor, true, false, hostPath, temporary};
  return handle;
}

int64_t OpenFiles::Read(int32_t handle, uint8_t* buffer, std::size_t capacity) {
  auto it = entries_.find(handle);
  if (it == entries_.end() || it->second.writing) return -1;
  while (true) {
    const ssize_t got = ::read(it->second.descriptor, buffer, capacity);
    if (got >= 0) return got;
    if (errno != EINTR) return -1;
  }
}

bool OpenFiles::Write(int32_t handle, const uint8_t* data, std::size_t size) {
  auto it = entries_.find(handle);
  if (it == entries_.end() || !it->second.writing || it->second.failed) return false;
  while (size > 0) {
    const ssize_t put = ::write(it->second.descriptor, data, size);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      it->second.failed = true;
      return false;
    }
    data += put;
    size -= static_cast<std::size_t>(put);
  }
  return true;
}

void OpenFiles::Discard(Entry& entry) {
  ::close(entry.descriptor);
  ::unlink(entry.temporary.c_str());
}

bool OpenFiles::Close(int32_t handle, std::string* committedPath) {
  auto it = entries_.find(handle);
  if (it == entries_.end()) return false;
  Entry entry = std::move(it->second);
  entries_.erase(it);
  if (!entry.writing) return ::close(entry.descriptor) == 0;
  // A write error that only shows at close must not replace the old file either.
  const bool closed = ::close(entry.descriptor) == 0;
  if (entry.failed || !closed) {
    ::unlink(entry.temporary.c_str());
    return false;
  }
  if (::rename(entry.temporary.c_str(), entry.target.c_str()) != 0) {
    ::unlink(entry.temporary.c_str());
    return false;
  }
  writtenDirectories_.insert(DirectoryOf(entry.target));
  if (committedPath != nullptr) *committedPath = entry.target;
  return true;
}

void OpenFiles::FlushWrites() {
  std::set<dev_t> flushed;
  for (const std::string& directory : writtenDirectories_) {
    struct stat info{};
    if (::stat(directory.c_str(), &info) != 0 || !flushed.insert(info.st_dev).second) continue;
    const int descriptor = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) continue;
    ::syncfs(descriptor);
    ::close(descriptor);
  }
  writtenDirectories_.clear();
}
