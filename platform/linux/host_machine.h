#pragma once
// The Windows machine on host files: one directory (by default
// "$XDG_DATA_HOME/corvane-machine/") holds drive_c/ and the two registry hives.
// "C:\" is <machine>/drive_c/, "Z:\" is the host root; relative paths are
// relative to the process's working directory.
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/machine.h"

class QFileDevice;
class RegistryHive;

class HostMachine : public IMachine {
 public:
  // "<generic data location>/corvane-machine", which follows XDG_DATA_HOME.
  static QString DefaultMachineDirectory();

  // Makes the machine directory on first use: drive_c\WINDOWS\SYSTEM and the
  // four shell folders, created and registered for the current user.
  explicit HostMachine(const QString& machineDirectory = DefaultMachineDirectory());
  ~HostMachine() override;
  HostMachine(const HostMachine&) = delete;
  HostMachine& operator=(const HostMachine&) = delete;

  bool IsReady() const { return ready_; }
  const QString& MachineDirectory() const { return machineDirectory_; }
  // Host form (UTF-8) of a Windows path; nothing for drives other than C: and Z:.
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
  bool CreateDirectory(std::string_view path) override;
  bool DeleteFile(std::string_view path) override;
  bool ShortPathName(std::string_view path, std::string& shortPath) override;

  FileHandle OpenForReading(std::string_view path) override;
  FileHandle CreateForWriting(std::string_view path) override;
  int64_t ReadFile(FileHandle file, uint8_t* buffer, std::size_t capacity) override;
  bool WriteFile(FileHandle file, const uint8_t* data, std::size_t size) override;
  bool CloseFile(FileHandle file) override;
  bool CopyExecutableMode(std::string_view source, std::string_view target) override;

 private:
  struct OpenFile;
  std::optional<QString> HostPath(std::string_view windowsPath) const;
  QString HivePath(RegistryRoot root) const;
  bool LoadHive(RegistryRoot root, RegistryHive& hive) const;
  template <typename Change>
  bool ChangeHive(RegistryRoot root, Change change);
  bool CreateOnFirstUse();

  QString machineDirectory_;
  bool ready_ = false;
  std::map<FileHandle, std::unique_ptr<OpenFile>> files_;
  FileHandle nextHandle_ = 1;
};
