#pragma once
// The two registry roots as REGEDIT4 files in the machine directory, read whole
// and changed under one lock file, so that two programs never lose each other's
// writes. A damaged file is never rewritten.
#include <functional>
#include <string>

#include "platform/machine.h"
#include "platform/portable/registry_hive.h"

class HiveStore {
 public:
  // A program that holds the lock longer than `lockWaitMs` has hung: a writer then
  // gives up and says so, rather than wait for ever.
  static constexpr int kDefaultLockWaitMs = 30000;
  explicit HiveStore(std::string machineDirectory, int lockWaitMs = kDefaultLockWaitMs)
      : machineDirectory_(std::move(machineDirectory)), lockWaitMs_(lockWaitMs) {}

  static const char* RootName(RegistryRoot root);
  std::string HivePath(RegistryRoot root) const;
  bool Exists(RegistryRoot root) const;

  // A missing file is an empty root. On failure `fault` says why, for a person.
  bool Load(RegistryRoot root, RegistryHive& hive, std::string& fault) const;
  // Loads under the lock, applies `change` and saves when it returns true. Nothing
  // is saved when the file cannot be read or `change` refuses.
  using Change = std::function<bool(RegistryHive&)>;
  bool Update(RegistryRoot root, const Change& change, std::string& fault) const;
  // Runs `work` while holding the lock.
  bool UnderLock(const std::function<bool(std::string& fault)>& work, std::string& fault) const;
  bool Save(RegistryRoot root, const RegistryHive& hive, std::string& fault) const;

 private:
  std::string machineDirectory_;
  int lockWaitMs_;
};
