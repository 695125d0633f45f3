#pragma once
// The two registry roots as REGEDIT4 files in the machine directory, read whole
// and changed under one lock file, so that two programs never lose each other's
// writes. A damaged file is never rewritten. HKEY_LOCAL_MACHINE is machine-wide:
// beneath the user's own file lie read-only layers that a package ships.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/machine.h"
#include "platform/portable/registry_hive.h"

class HiveStore {
 public:
  // A program that holds the lock longer than `lockWaitMs` has hung: a writer then
  // gives up and says so, rather than wait for ever.
  static constexpr int kDefaultLockWaitMs = 30000;
  explicit HiveStore(std::string machineDirectory, int lockWaitMs = kDefaultLockWaitMs)
      : machineDirectory_(std::move(machineDirectory)), lockWaitMs_(lockWaitMs) {}
  // `systemDirectories` each may hold a read-only HKEY_LOCAL_MACHINE.reg, the first
  // one found in them taking precedence.
  HiveStore(std::string machineDirectory, std::vector<std::string> systemDirectories,
            int lockWaitMs = kDefaultLockWaitMs)
      : machineDirectory_(std::move(machineDirectory)),
        systemDirectories_(std::move(systemDirectories)),
        lockWaitMs_(lockWaitMs) {}

  static const char* RootName(RegistryRoot root);
  std::string HivePath(RegistryRoot root) const;
  bool Exists(RegistryRoot root) const;

  // A missing file is an empty root. On failure `fault` says why, for a person.
  bool Load(RegistryRoot root, RegistryHive& hive, std::string& fault) const;
  // A value as the programs see it: the user's own file first, then, for
  // HKEY_LOCAL_MACHINE, the system layers. Writes only ever change the user's file.
  bool Read(RegistryRoot root, std::string_view key, std::string_view valueName,
            std::optional<std::string>& value, std::string& fault) const;
  // Loads under the lock, applies `change` and saves when it returns true. Nothing
  // is saved when the file cannot be read or `change` refuses.
  using Change = std::function<bool(RegistryHive&)>;
  bool Update(RegistryRoot root, const Change& change, std::string& fault) const;
  // Runs `work` while holding the lock.
  bool UnderLock(const std::function<bool(std::string& fault)>& work, std::string& fault) const;
  bool Save(RegistryRoot root, const RegistryHive& hive, std::string& fault) const;

 private:
  static bool LoadFile(const std::string& path, RegistryRoot root, RegistryHive& hive,
                       std::string& fault);

  std::string machineDirectory_;
  std::vector<std::string> systemDirectories_;
  int lockWaitMs_;
};
