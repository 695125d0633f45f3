#pragma once
// An in-memory Windows machine for tests of the installer and the analyser:
// files, directories, both registry roots and short names by the host's rule.
// A fresh machine has C:\, Z:\, C:\WINDOWS, C:\WINDOWS\SYSTEM, the four shell
// folders (registered and created) and the working directory "Z:\medium".
#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/machine.h"
#include "platform/portable/registry_hive.h"
#include "platform/portable/short_names.h"
#include "platform/portable/windows_path.h"

class MemoryMachine : public IMachine {
 public:
  static constexpr const char* kShellFoldersKey =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

  explicit MemoryMachine(bool withShellFolders = true) {
    directories_.insert("C:\\");
    directories_.insert("Z:\\");
    AddDirectory("C:\\WINDOWS\\SYSTEM");
    AddDirectory(workingDirectory);
    if (withShellFolders) {
      const char* folders[][2] = {{"Programs", "C:\\WINDOWS\\Start Menu\\Programs"},
                                  {"Start Menu", "C:\\WINDOWS\\Start Menu"},
                                  {"Startup", "C:\\WINDOWS\\Start Menu\\Programs\\StartUp"},
                                  {"Desktop", "C:\\WINDOWS\\Desktop"}};
      for (const auto& folder : folders) {
        currentUser.SetString(kShellFoldersKey, folder[0], folder[1]);
        AddDirectory(folder[1]);
      }
    }
  }

  // ---- Test set-up and inspection (paths may be relative to workingDirectory).
  std::string workingDirectory = "Z:\\medium";
  RegistryHive localMachine;
  RegistryHive currentUser;
  // Paths (normalised, absolute) whose creation for writing fails.
  std::set<std::string> uncreatable;
  // Paths (normalised, absolute) that cannot be removed, as a file in use.
  std::set<std::string> inUse;
  // Paths whose commit fails at CloseFile (the old content stays).
  std::set<std::string> failingCommits;
  // Paths whose WriteFile fails (CloseFile then discards the file).
  std::set<std::string> failingWrites;
  // Every call on a root listed here fails with its fault, as a damaged file makes it.
  std::map<RegistryRoot, std::string> registryFaults;
  // Writes to these keys (as passed) fail with a fault, as a lock held too long makes them.
  std::set<std::string> refusedKeys;
  int flushes = 0;

  std::string Resolve(std::string_view path) const {
    return FormatWindowsPath(AbsoluteWindowsPath(path, workingDirectory));
  }
  // Creates the file and any missing parent directories.
  void AddFile(std::string_view path, std::string_view contents, bool executable = false) {
    std::string full = Resolve(path);
    AddDirectory(Parent(full));
    files_[full] = File{std::string(contents), executable};
  }
  // Creates the directory and its parents.
  void AddDirectory(std::string_view path) {
    WindowsPath parsed = AbsoluteWindowsPath(path, workingDirectory);
    WindowsPath step{parsed.drive, true, {}};
    directories_.insert(FormatWindowsPath(step));
    for (const auto& component : parsed.components) {
      step.components.push_back(component);
      directories_.insert(FormatWindowsPath(step));
    }
  }
  bool HasFile(std::string_view path) const { return files_.count(Resolve(path)) != 0; }
  bool HasDirectory(std::string_view path) const { return directories_.count(Resolve(path)) != 0; }
  std::optional<std::string> FileContents(std::string_view path) const {
    auto it = files_.find(Resolve(path));
    if (it == files_.end()) return std::nullopt;
    return it->second.bytes;
  }
  bool IsExecutable(std::string_view path) const {
    auto it = files_.find(Resolve(path));
    return it != files_.end() && it->second.executable;
  }
  // Every file path, normalised and sorted.
  std::vector<std::string> FilePaths() const {
    std::vector<std::string> paths;
    for (const auto& entry : files_) paths.push_back(entry.first);
    return paths;
  }
  RegistryHive& Hive(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? localMachine : currentUser;
  }
  int OpenHandleCount() const { return static_cast<int>(handles_.size()); }

  // ---- IMachine
  bool ReadRegistryString(RegistryRoot root, std::string_view key, std::string_view valueName,
                          std::size_t capacity, std::string& value) override {
    fault_ = FaultOf(root);
    if (!fault_.empty()) return false;
    auto found = Hive(root).GetString(key, valueName);
    if (!found || found->size() + 1 > capacity) return false;
    value = *found;
    return true;
  }
  bool WriteRegistryString(RegistryRoot root, std::string_view key, std::string_view valueName,
                           std::string_view value) override {
    fault_ = FaultOf(root);
    if (fault_.empty() && refusedKeys.count(std::string(key)))
      fault_ = "registry.lock: held by another program";
    return fault_.empty() && Hive(root).SetString(key, valueName, value);
  }
  bool DeleteRegistryKey(RegistryRoot root, std::string_view key) override {
    fault_ = FaultOf(root);
    return fault_.empty() && Hive(root).DeleteKey(key);
  }
  void FlushWrites() override { ++flushes; }
  std::string MachineFault() const override { return fault_; }
  std::string WindowsDirectory() override { return "C:\\WINDOWS"; }
  std::string SystemDirectory() override { return "C:\\WINDOWS\\SYSTEM"; }

  bool FileExists(std::string_view path) override {
    std::string full = Resolve(path);
    return files_.count(full) != 0 || directories_.count(full) != 0;
  }
  bool MakeDirectory(std::string_view path) override {
    std::string full = Resolve(path);
    if (files_.count(full) || directories_.count(full)) return false;
    if (!directories_.count(Parent(full))) return false;
    directories_.insert(full);
    return true;
  }
  bool RemoveFile(std::string_view path) override {
    return !inUse.count(Resolve(path)) && files_.erase(Resolve(path)) != 0;
  }

  bool ShortPathName(std::string_view path, std::string& shortPath) override {
    if (!FileExists(path)) return false;
    shortPath = ShortPathOf(path, workingDirectory,
                            [this](const std::string& directory) { return Children(directory); });
    return true;
  }

  FileHandle OpenForReading(std::string_view path) override {
    auto it = files_.find(Resolve(path));
    if (it == files_.end()) return -1;
    return AddHandle(OpenFile{it->first, false, it->second.bytes, 0, false});
  }
  FileHandle CreateForWriting(std::string_view path) override {
    std::string full = Resolve(path);
    if (uncreatable.count(full) || directories_.count(full) ||
        !directories_.count(Parent(full)))
      return -1;
    return AddHandle(OpenFile{full, true, {}, 0, false});
  }
  int64_t ReadFile(FileHandle file, uint8_t* buffer, std::size_t capacity) override {
    auto it = handles_.find(file);
    if (it == handles_.end() || it->second.writing) return -1;
    OpenFile& open = it->second;
    std::size_t count = std::min(capacity, open.bytes.size() - open.position);
    if (count) std::memcpy(buffer, open.bytes.data() + open.position, count);
    open.position += count;
    return static_cast<int64_t>(count);
  }
  bool WriteFile(FileHandle file, const uint8_t* data, std::size_t size) override {
    auto it = handles_.find(file);
    if (it == handles_.end() || !it->second.writing) return false;
    if (failingWrites.count(it->second.path)) {
      it->second.failed = true;
      return false;
    }
    it->second.bytes.append(reinterpret_cast<const char*>(data), size);
    return true;
  }
  bool CloseFile(FileHandle file) override {
    auto it = handles_.find(file);
    if (it == handles_.end()) return false;
    OpenFile open = std::move(it->second);
    handles_.erase(it);
    if (!open.writing) return true;
    if (open.failed || failingCommits.count(open.path)) return false;
    // A replaced file keeps its mode, like a file truncated in place.
    File& target = files_[open.path];
    target.bytes = std::move(open.bytes);
    return true;
  }
  bool CopyExecutableMode(std::string_view source, std::string_view target) override {
    auto from = files_.find(Resolve(source));
    auto to = files_.find(Resolve(target));
    if (from == files_.end() || to == files_.end()) return false;
    to->second.executable = from->second.executable;
    return true;
  }

 private:
  struct File {
    std::string bytes;
    bool executable = false;
  };
  struct OpenFile {
    std::string path;
    bool writing;
    std::string bytes;
    std::size_t position;
    bool failed = false;
  };
  std::string FaultOf(RegistryRoot root) const {
    auto found = registryFaults.find(root);
    return found == registryFaults.end() ? std::string() : found->second;
  }
  static std::string Parent(const std::string& normalised) {
    WindowsPath parsed = ParseWindowsPath(normalised);
    if (!parsed.components.empty()) parsed.components.pop_back();
    return FormatWindowsPath(parsed);
  }
  std::vector<std::string> Children(const std::string& directory) const {
    std::vector<std::string> names;
    auto collect = [&](const std::string& path) {
      WindowsPath parsed = ParseWindowsPath(path);
      if (parsed.components.empty()) return;
      std::string last = parsed.components.back();
      parsed.components.pop_back();
      if (FormatWindowsPath(parsed) == directory) names.push_back(last);
    };
    for (const auto& entry : files_) collect(entry.first);
    for (const auto& entry : directories_) collect(entry);
    return names;
  }
  FileHandle AddHandle(OpenFile open) {
    FileHandle handle = nextHandle_++;
    handles_.emplace(handle, std::move(open));
    return handle;
  }
  std::map<std::string, File> files_;
  std::set<std::string> directories_;
  std::map<FileHandle, OpenFile> handles_;
  FileHandle nextHandle_ = 3;
  std::string fault_;
};
