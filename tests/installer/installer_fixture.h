#pragma once
// Drives CCorvaneView on the in-memory machine with a recording window.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "installer/modes/corvane_view.h"
#include "platform/portable/text_encoding.h"
#include "tests/installer_doubles/installer_run.h"
#include "tests/support/memory_machine.h"

// Header entries 0 to 6 and "SCRIPT", then `commands` (already bracketed).
struct ScriptHeader {
  std::string product = "Sylvarine";
  std::string language = "EN";
  std::string mode = "instal";
  std::string key = "Software\\Kelvory\\Sylvarine\\SetupInfo";
  std::string destination = "C:\\Sylvarine";
  std::string system = "nosystem";
  std::string depend = "nodepend";
};

inline std::string MakeScript(const ScriptHeader& h, const std::string& commands) {
  return "CRV\r\n<" + h.product + ">\r\n<" + h.language + ">\r\n<" + h.mode + ">\r\n<" + h.key +
         ">\r\n<" + h.destination + ">\r\n<" + h.system + ">\r\n<" + h.depend +
         ">\r\n<SCRIPT>\r\n" + commands;
}

inline const std::string kMz = std::string("MZ\x90", 3);

class InstallerTest : public ::testing::Test {
 protected:
  InstallerTest() {
    machine.AddFile("setup", "installer program", true);
  }
  // Stores a script in Windows-1252, as a medium holds it.
  void PutScript(const std::string& utf8Text, const std::string& path = "setup.inf") {
    machine.AddFile(path, Utf8ToCp1252(utf8Text));
  }
  // Set-up and first paint; the status when the process ended there.
  std::optional<int> Start(const std::string& commandLine = "") {
    MakeView(commandLine);
    return StartInstaller(*view, ui);
  }
  // Fires the timer `id` if armed; the status when the process ended.
  std::optional<int> Fire(uint32_t id) { return FireInstallerTimer(*view, ui, timers, id); }
  // The whole run: set-up, the start tick, the end tick. -1 when it never ended.
  int Run(const std::string& commandLine = "") {
    MakeView(commandLine);
    return RunInstaller(*view, ui, timers);
  }
  std::string Value(RegistryRoot root, const std::string& key, const std::string& name) {
    return machine.Hive(root).GetString(key, name).value_or("<missing>");
  }
  bool HasMessage(const std::string& text) const {
    for (const auto& m : ui.messages)
      if (m == text) return true;
    return false;
  }

  void MakeView(const std::string& commandLine) {
    view = std::make_unique<CCorvaneView>(machine, ui, timers, commandLine);
    if (tellWorkingDirectory) view->SetWorkingDirectory(machine.workingDirectory);
    ui.view = view.get();
  }

  MemoryMachine machine;
  // The shell tells the view where the process runs; tests of the bare core may not.
  bool tellWorkingDirectory = true;
  RecordingInstallerUi ui;
  InstallerTimers timers;
  std::unique_ptr<CCorvaneView> view;
};
