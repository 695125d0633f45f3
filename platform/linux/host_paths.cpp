#include "platform/linux/host_paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/portable/name_case.h"
#include "platform/portable/windows_path.h"

namespace {

bool Exists(const std::string& path) {
  struct stat info{};
  return ::lstat(path.c_str(), &info) == 0;
}

std::optional<timespec> ModifiedTime(const std::string& folder) {
  struct stat info{};
  if (::stat(folder.empty() ? "." : folder.c_str(), &info) != 0) return std::nullopt;
  return info.st_mtim;
}

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool Before(const timespec& a, const timespec& b) {
  return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

// File times come from the kernel's coarse clock.
timespec CoarseNow() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
  return now;
}

// Keeps, for each folded name, the first of its spellings in byte order.
void Keep(std::map<std::string, std::string>& byFoldedName, const std::string& name) {
  auto [slot, added] = byFoldedName.try_emplace(FoldNameCase(name), name);
  if (!added && name < slot->second) slot->second = name;
}

// Folders are kept by absolute path: a relative one names another folder once the
// working directory changes.
std::string FolderKey(const std::string& folder) {
  if (!folder.empty() && folder[0] == '/') return folder;
  char buffer[4096];
  const char* current = ::getcwd(buffer, sizeof buffer);
  const std::string base = current != nullptr ? current : ".";
  return folder.empty() ? base : base + "/" + folder;
}

std::pair<std::string, std::string> SplitParent(const std::string& path) {
  const std::size_t cut = path.rfind('/');
  if (cut == std::string::npos) return {"", path};
  return {cut == 0 ? "/" : path.substr(0, cut), path.substr(cut + 1)};
}

}  // namespace

std::optional<std::string> FolderNames::Find(const std::string& folder, const std::string& name) {
  const auto modified = ModifiedTime(folder);
  if (!modified) return std::nullopt;
  Listing& listing = folders_[FolderKey(folder)];
  if (listing.racy || !SameTime(listing.modified, *modified)) {
    const timespec listedAt = CoarseNow();
    listing.byFoldedName.clear();
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
      folders_.erase(FolderKey(folder));
      return std::nullopt;
    }
    while (const dirent* entry = ::readdir(dir)) {
      const std::string_view entryName = entry->d_name;
      if (entryName != "." && entryName != "..") Keep(listing.byFoldedName, std::string(entryName));
    }
    ::closedir(dir);
    listing.modified = *modified;
    listing.racy = !Before(*modified, listedAt);
  }
  auto found = listing.byFoldedName.find(FoldNameCase(name));
  if (found == listing.byFoldedName.end()) return std::nullopt;
  return found->second;
}

void FolderNames::Added(const std::string& path) {
  const auto [folder, name] = SplitParent(path);
  auto listing = folders_.find(FolderKey(folder));
  if (listing == folders_.end()) return;
  const auto modified = ModifiedTime(folder);
  if (!modified) {
    folders_.erase(listing);
    return;
  }
  // Our own change: the names stay known without a listing. Another program's
  // change in the same tick of the clock would go unseen; a race that narrow is
  // taken for the speed of copying many files into one folder.
  Keep(listing->second.byFoldedName, name);
  listing->second.modified = *modified;
  listing->second.racy = false;
}

void FolderNames::Removed(const std::string& path) {
  folders_.erase(FolderKey(SplitParent(path).first));
}

// The whole path is tried first: most paths asked for exist as written, and this
// costs one call; only a miss looks in the parent.
std::string ResolveNameCase(const std::string& hostPath, FolderNames& names) {
  if (hostPath.empty() || hostPath == "/" || Exists(hostPath)) return hostPath;
  const std::size_t cut = hostPath.rfind('/');
  const std::string name = cut == std::string::npos ? hostPath : hostPath.substr(cut + 1);
  if (name.empty() || name == "." || name == "..") return hostPath;
  std::string parent;
  if (cut != std::string::npos) parent = ResolveNameCase(cut == 0 ? "/" : hostPath.substr(0, cut), names);
  const std::string found = names.Find(parent, name).value_or(name);
  if (cut == std::string::npos) return found;
  return parent == "/" ? "/" + found : parent + "/" + found;
}

std::optional<std::string> HostPaths::ToHost(std::string_view windowsPath) const {
  auto host = WindowsPathToHost(windowsPath, machineDirectory_);
  if (!host) return std::nullopt;
  return ResolveNameCase(*host, names_);
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
