#include "platform/linux/host_paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <vector>

#include "platform/name_case.h"
#include "platform/windows_path.h"

namespace {

bool Exists(const std::string& path) {
  struct stat info{};
  return ::lstat(path.c_str(), &info) == 0;
}

std::vector<std::string> EntriesOf(const std::string& directory) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(directory.empty() ? "." : directory.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(dir);
  return names;
}

}  // namespace

// The whole path is tried first: most paths asked for exist as written, and this
// costs one call; only a miss lists the parent.
std::string ResolveNameCase(const std::string& hostPath) {
  if (hostPath.empty() || hostPath == "/" || Exists(hostPath)) return hostPath;
  const std::size_t cut = hostPath.rfind('/');
  const std::string name = cut == std::string::npos ? hostPath : hostPath.substr(cut + 1);
  if (name.empty() || name == "." || name == "..") return hostPath;
  std::string parent;
  if (cut != std::string::npos) parent = ResolveNameCase(cut == 0 ? "/" : hostPath.substr(0, cut));
  const std::string found = MatchEntryName(name, EntriesOf(parent)).value_or(name);
  if (cut == std::string::npos) return found;
  return parent == "/" ? "/" + found : parent + "/" + found;
}

std::optional<std::string> HostPaths::ToHost(std::string_view windowsPath) const {
  auto host = WindowsPathToHost(windowsPath, machineDirectory_);
  if (!host) return std::nullopt;
  return ResolveNameCase(*host);
}

std::string HostPaths::ToWindows(std::string_view hostPath) const {
  if (hostPath.empty() || hostPath[0] != '/') {
    std::string relative(hostPath);
    for (char& c : relative)
      if (c == '/') c = '\\';
    return relative;
  }
  return HostPathToWindows(hostPath, machineDirectory_);
}
