#pragma once
// Where the machine's Windows paths live on the host. "C:\" is drive_c/ of the
// machine directory, "Z:\" the host root; a relative path stays relative to the
// working directory. Existing names are found whatever their letter case, as on
// the machines the scripts are written for; a name not found keeps its case.
#include <optional>
#include <string>
#include <string_view>

class HostPaths {
 public:
  explicit HostPaths(std::string machineDirectory) : machineDirectory_(std::move(machineDirectory)) {}

  // Host form, with every existing component spelled as on the disk.
  std::optional<std::string> ToHost(std::string_view windowsPath) const;
  // Windows form of a host path: C: or Z: when absolute, relative otherwise.
  std::string ToWindows(std::string_view hostPath) const;
  const std::string& MachineDirectory() const { return machineDirectory_; }

 private:
  std::string machineDirectory_;
};

// The host path with each component that does not exist as written replaced by the
// directory entry that differs from it only in letter case, if there is one.
std::string ResolveNameCase(const std::string& hostPath);
