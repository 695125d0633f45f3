#include "platform/linux/machine_setup.h"

#include <filesystem>
#include <system_error>

#include "platform/linux/hive_store.h"
#include "platform/portable/registry_hive.h"

namespace {

constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
// Value name, Windows path and its folder below drive_c.
constexpr const char* kShellFolders[][3] = {
    {"Programs", "C:\\WINDOWS\\Start Menu\\Programs", "WINDOWS/Start Menu/Programs"},
    {"Start Menu", "C:\\WINDOWS\\Start Menu", "WINDOWS/Start Menu"},
    {"Startup", "C:\\WINDOWS\\Start Menu\\Programs\\StartUp", "WINDOWS/Start Menu/Programs/StartUp"},
    {"Desktop", "C:\\WINDOWS\\Desktop", "WINDOWS/Desktop"}};
constexpr const char* kAlwaysThere[] = {"Program Files", "WINDOWS/SYSTEM"};

bool MakeFolder(const std::filesystem::path& folder, std::string& fault) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!error) return true;
  fault = folder.string() + ": " + error.message();
  return false;
}

}  // namespace

bool PrepareMachineDirectory(const std::string& machineDirectory, const HiveStore& hives,
                             std::string& fault) {
  if (!MakeFolder(machineDirectory, fault)) return false;
  return hives.UnderLock(
      [&](std::string& why) {
        const std::filesystem::path driveC = std::filesystem::path(machineDirectory) / "drive_c";
        for (const char* folder : kAlwaysThere)
          if (!MakeFolder(driveC / folder, why)) return false;
        for (const auto& folder : kShellFolders)
          if (!MakeFolder(driveC / folder[2], why)) return false;

        if (!hives.Exists(RegistryRoot::LocalMachine) &&
            !hives.Save(RegistryRoot::LocalMachine, RegistryHive{}, why))
          return false;
        // A damaged file is left for a person to mend; the programs tell of it when
        // they read it.
        RegistryHive user;
        std::string damage;
        if (!hives.Load(RegistryRoot::CurrentUser, user, damage)) return true;
        bool changed = !hives.Exists(RegistryRoot::CurrentUser);
        for (const auto& folder : kShellFolders) {
          if (user.GetString(kShellFoldersKey, folder[0])) continue;  // the person's choice stays
          user.SetString(kShellFoldersKey, folder[0], folder[1]);
          changed = true;
        }
        return !changed || hives.Save(RegistryRoot::CurrentUser, user, why);
      },
      fault);
}
