#include "platform/linux/host_machine.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QString>
#include <filesystem>

#include "platform/linux/machine_setup.h"
#include "platform/linux/open_files.h"
#include "platform/linux/shell_link_mirror.h"
#include "platform/portable/short_names.h"
#include "platform/portable/windows_path.h"

namespace {

// The working directory comes back resolved; so must the machine, for C: paths to match.
std::string ResolvedDirectory(const std::string& directory) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(directory, error);
  if (error) return directory;
  const auto resolved = std::filesystem::weakly_canonical(absolute, error);
  std::string text = (error ? absolute : resolved).string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

std::string WorkingDirectory() {
  std::error_code error;
  const auto current = std::filesystem::current_path(error);
  return error ? std::string(".") : current.string();
}

bool StatOf(const std::string& path, struct stat& info) { return ::stat(path.c_str(), &info) == 0; }

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == separator) {
      if (i > start) parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

}  // namespace

std::string HostMachine::DirectoryInDataHome(std::string_view name) {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/" +
         std::string(name);
}

std::vector<std::string> HostMachine::SystemLayersInDataDirs(std::string_view name) {
  const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  std::vector<std::string> layers;
  for (const QString& directory : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    if (directory != own) layers.push_back(directory.toStdString() + "/" + std::string(name));
  return layers;
}

HostMachine::HostMachine(const std::string& machineDirectory, std::vector<std::string> systemLayers)
    : paths_(ResolvedDirectory(machineDirectory)),
      hives_(paths_.MachineDirectory(), std::move(systemLayers)),
      files_(std::make_unique<OpenFiles>()) {}

HostMachine::~HostMachine() = default;  // uncommitted writes are discarded

bool HostMachine::Prepare() {
  fault_.clear();
  return PrepareMachineDirectory(MachineDirectory(), hives_, fault_);
}

void HostMachine::MirrorShellLinksOnDesktop(std::string machineName) {
  mirror_ = std::make_unique<ShellLinkMirror>(paths_, hives_, std::move(machineName));
}

std::optional<std::string> HostMachine::ToHostPath(std::string_view windowsPath) const {
  return paths_.ToHost(windowsPath);
}

std::string HostMachine::ToWindowsPath(std::string_view hostPath) const {
  return paths_.ToWindows(hostPath);
}

// ---- Registry

bool HostMachine::ReadRegistryString(RegistryRoot root, std::string_view key,
                                     std::string_view valueName, std::size_t capacity,
                                     std::string& value) {
  fault_.clear();
  std::optional<std::string> found;
  if (!hives_.Read(root, key, valueName, found, fault_)) return false;
  if (!found || found->size() + 1 > capacity) return false;  // too long counts as missing
  value = std::move(*found);
  return true;
}

bool HostMachine::WriteRegistryString(RegistryRoot root, std::string_view key,
                                      std::string_view valueName, std::string_view value) {
  fault_.clear();
  return hives_.Update(
      root, [&](RegistryHive& hive) { return hive.SetString(key, valueName, value); }, fault_);
}

bool HostMachine::DeleteRegistryKey(RegistryRoot root, std::string_view key) {
  fault_.clear();
  return hives_.Update(root, [&](RegistryHive& hive) { return hive.DeleteKey(key); }, fault_);
}

// ---- Files and directories

bool HostMachine::FileExists(std::string_view path) {
  fault_.clear();
  auto host = paths_.ToHost(path);
  struct stat info{};
  return host && StatOf(*host, info);
}

bool HostMachine::MakeDirectory(std::string_view path) {
  fault_.clear();
  auto host = paths_.ToHost(path);
  if (!host || ::mkdir(host->c_str(), 0777) != 0) return false;
  paths_.Names().Added(*host);
  return true;
}

bool HostMachine::RemoveFile(std::string_view path) {
  fault_.clear();
  auto host = paths_.ToHost(path);
  struct stat info{};
  if (!host || !StatOf(*host, info) || S_ISDIR(info.st_mode)) return false;
  // A file without any write permission is read-only, and read-only files are not
  // deleted; the mode bits decide, not access(), which lets root write anything.
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  if (::unlink(host->c_str()) != 0) return false;
  paths_.Names().Removed(*host);
  if (mirror_) mirror_->FileDeleted(*host);
  return true;
}

bool HostMachine::ShortPathName(std::string_view path, std::string& shortPath) {
  fault_.clear();
  auto host = paths_.ToHost(path);
  struct stat info{};
  if (!host || !StatOf(*host, info)) return false;
  // Short names come from the names on the disk, whatever the case asked for.
  WindowsPath asked = ParseWindowsPath(path);
  const std::vector<std::string> onDisk = Split(*host, '/');
  if (onDisk.size() >= asked.components.size())
    std::copy(onDisk.end() - static_cast<std::ptrdiff_t>(asked.components.size()), onDisk.end(),
              asked.components.begin());
  const std::string workingDirectory = paths_.ToWindows(WorkingDirectory());
  shortPath = ShortPathOf(FormatWindowsPath(asked), workingDirectory, [this](const std::string& directory) {
    std::vector<std::string> names;
    auto listed = paths_.ToHost(directory);
    if (!listed) return names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(*listed, error))
      names.push_back(entry.path().filename().string());
    return names;
  });
  return true;
}

// ---- Whole-file streaming

IMachine::FileHandle HostMachine::OpenForReading(std::string_view path) {
  fault_.clear();
  auto host = paths_.ToHost(path);
  return host ? files_->OpenForReading(*host) : -1;
}

IMachine::FileHandle HostMachine::CreateForWriting(std::string_view path) {
  fault_.clear();
  auto host = paths_.ToHost(path);
  return host ? files_->CreateForWriting(*host) : -1;
}

int64_t HostMachine::ReadFile(FileHandle file, uint8_t* buffer, std::size_t capacity) {
  return files_->Read(file, buffer, capacity);
}

bool HostMachine::WriteFile(FileHandle file, const uint8_t* data, std::size_t size) {
  return files_->Write(file, data, size);
}

bool HostMachine::CloseFile(FileHandle file) {
  std::string committed;
  if (!files_->Close(file, &committed)) return false;
  if (committed.empty()) return true;
  paths_.Names().Added(committed);
  if (mirror_) mirror_->FileCommitted(committed);
  return true;
}

bool HostMachine::CopyExecutableMode(std::string_view source, std::string_view target) {
  auto from = paths_.ToHost(source);
  auto to = paths_.ToHost(target);
  struct stat fromInfo{};
  struct stat toInfo{};
  if (!from || !to || !StatOf(*from, fromInfo) || !StatOf(*to, toInfo)) return false;
  constexpr mode_t kExecutableBits = S_IXUSR | S_IXGRP | S_IXOTH;
  return ::chmod(to->c_str(), (toInfo.st_mode & 07777 & ~kExecutableBits) |
                                  (fromInfo.st_mode & kExecutableBits)) == 0;
}

void HostMachine::FlushWrites() { files_->FlushWrites(); }
