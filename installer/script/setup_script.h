#pragma once
// The setup script: found, read and cut into `entryTable` once, its header entries
// read by index, and its command list walked once, installing or uninstalling. The
// commands' work is done by the install operations.
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "installer/operations/install_operations.h"
#include "installer/prompts/installer_prompts.h"
#include "installer/script/script_entries.h"
#include "platform/machine.h"

constexpr std::string_view ScriptFileName = "setup.inf";

class CSetupScript {
 public:
  // `commandLinePath` is the program's first argument as received (may be empty);
  // one pair of enclosing double quotes is removed if it still has them.
  CSetupScript(IMachine& machine, CInstallerPrompts& prompts, CInstallOperations& operations,
               std::string commandLinePath);

  // Finds, reads, checks and cuts the script, tells the prompts its language and the
  // operations its header (which starts the uninstall log).
  Flow LoadScript();

  // Slot `index` of the entry table; empty past the end of the script.
  const std::string& Entry(std::size_t index) const;
  const std::string& ProductName() const { return Entry(0); }
  enum class Mode { Install, Uninstall, Update, AutoInstall, None };
  // Entry 2; any other text runs nothing.
  Mode RunMode() const;
  // Entry 5: the private runtime files are installed before the commands.
  bool InstallsRuntime() const { return EntryIs(5, "system", "SYSTEM"); }

  // The install (and update) command list; returns at "ENDSCRIPT".
  Flow RunScript();
  // The uninstall log's "DELETE" commands.
  Flow RunUninstallScript();

 private:
  enum class ScriptFile { NotAccepted, Loaded, TooManyEntries };
  ScriptFile ReadScriptFile(std::string_view path);
  bool EntryIs(std::size_t index, std::string_view lower, std::string_view upper) const;
  std::optional<std::size_t> CommandListStart() const;
  Flow ScriptError();

  IMachine& machine_;
  CInstallerPrompts& prompts_;
  CInstallOperations& operations_;
  std::string commandLinePath_;
  SetupScript::EntryTable entryTable_;
  // What the directory commands made, kept for the later commands.
  std::array<std::string, 6> subdirectory_;  // slots 1 to 5
  std::string groupDir_;
};
