#pragma once
// The Windows machine on host files: one directory, named by the program that
// uses it, holds drive_c/ and the two registry roots. "C:\" is <machine>/drive_c/,
// "Z:\" is the host root; relative paths are relative to the working directory.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/hive_store.h"
#include "platform/linux/host_paths.h"
#include "platform/machine.h"

class OpenFiles;
class ShellLinkMirror;

class HostMachine : public IMachine {
 public:
  // "<XDG data home>/<name>" (by default ~/.local/share/<name>).
  static std::string DirectoryInDataHome(std::string_view name);

  // "<dir>/<name>" for each directory of XDG_DATA_DIRS (by default /usr/local/share
  // and /usr/share): where a package lays the machine-wide HKEY_LOCAL_MACHINE.
  static std::vector<std::string> SystemLayersInDataDirs(std::string_view name);

  // Opens the machine without creating anything: reading never creates. Reads of
  // HKEY_LOCAL_MACHINE fall through to `systemLayers` where the machine's own file
  // lacks the value.
  explicit HostMachine(const std::string& machineDirectory,
                       std::vector<std::string> systemLayers = {});
  ~HostMachine() override;
  HostMachine(const HostMachine&) = delete;
  HostMachine& operator=(const HostMachine&) = delete;

  // Makes whatever is missing, under the lock: the directory, C:\Program Files,
  // C:\WINDOWS\SYSTEM, the four shell folders and their registration, both registry
  // files. False, with MachineFault(), when the machine cannot be used.
  bool Prepare();
  // Shortcuts written into the shell folders also appear on the desktop (and go
  // with them); `machineName` keeps this machine's entries apart from others'.
  void MirrorShellLinksOnDesktop(std::string machineName);

  const std::string& MachineDirectory() const { return paths_.MachineDirectory(); }
  // Host form of a Windows path, existing names as spelled on the disk; nothing for
  // drives other than C: and Z:.
  std::optional<std::string> ToHostPath(std::string_view windowsPath) const;
  // Windows form of a host path; an absolute one becomes C: or Z:, a relative one stays relative.
  std::string ToWindowsPath(std::string_view hostPath) const;

  bool ReadRegistryString(RegistryRoot root, std::string_view key, std::string_view valueName,
                          std::size_t capacity, std::string& value) override;
  bool WriteRegistryString(RegistryRoot root, std::string_view key, std::string_view valueName,
                           std::string_view value) override;
  bool DeleteRegistryKey(RegistryRoot root, std::string_view key) override;

  std::string WindowsDirectory() override { return "C:\\WINDOWS"; }
  std::string SystemDirectory() override { return "C:\\WINDOWS\\SYSTEM"; }

  bool FileExists(std::string_view path) override;
  bool MakeDirectory(std::string_view path) override;
  bool RemoveFile(std::string_view path) override;
  bool ShortPathName(std::string_view path, std::string& shortPath) override;

  FileHandle OpenForReading(std::string_view path) override;
  FileHandle CreateForWriting(std::string_view path) override;
  int64_t ReadFile(FileHandle file, uint8_t* buffer, std::size_t capacity) override;
  bool WriteFile(FileHandle file, const uint8_t* data, std::size_t size) override;
  bool CloseFile(FileHandle file) override;
  bool CopyExecutableMode(std::string_view source, std::string_view target) override;
  void FlushWrites() override;
  std::string MachineFault() const override { return fault_; }

 private:
  HostPaths paths_;
  HiveStore hives_;
  std::unique_ptr<OpenFiles> files_;
  std::unique_ptr<ShellLinkMirror> mirror_;
  std::string fault_;
};
