#pragma once
// Where the machine's Windows paths live on the host. "C:\" is drive_c/ of the
// machine directory, "Z:\" the host root; a relative path stays relative to the
// working directory. Existing names are found whatever their letter case, as on
// the machines the scripts are written for; a name not found keeps its case.
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The names of folders, by their case-folded form, kept while a folder is unchanged:
// copying many files into one folder would otherwise list it once per file.
class FolderNames {
 public:
  // The entry of `folder` that `name` designates regardless of case, if any (the
  // first in byte order when several do).
  std::optional<std::string> Find(const std::string& folder, const std::string& name);
  // This program added or removed `path`: its folder's names follow without a new listing.
  void Added(const std::string& path);
  void Removed(const std::string& path);

 private:
  struct Listing {
    timespec modified{};
    // Listed in the clock tick of its last change: a change in the same tick would
    // not show in the time, so the next lookup lists it again.
    bool racy = true;
    std::map<std::string, std::string> byFoldedName;
  };
  std::map<std::string, Listing> folders_;
};

class HostPaths {
 public:
  explicit HostPaths(std::string machineDirectory) : machineDirectory_(std::move(machineDirectory)) {}

  // Host form, with every existing component spelled as on the disk.
  std::optional<std::string> ToHost(std::string_view windowsPath) const;
  // Windows form of a host path: C: or Z: when absolute, relative otherwise.
  std::string ToWindows(std::string_view hostPath) const;
  const std::string& MachineDirectory() const { return machineDirectory_; }
  FolderNames& Names() const { return names_; }

 private:
  std::string machineDirectory_;
  mutable FolderNames names_;
};

// The host path with each component that does not exist as written replaced by the
// directory entry that differs from it only in letter case, if there is one.
std::string ResolveNameCase(const std::string& hostPath, FolderNames& names);
