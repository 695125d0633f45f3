// Any bytes as "setup.inf": the cutter keeps its invariants, and loading and
// running the script either works or ends the process with a status.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "installer/modes/corvane_view.h"
#include "installer/script/script_entries.h"
#include "tests/installer_doubles/installer_run.h"
#include "tests/support/memory_machine.h"

namespace {

void CheckCutting(std::string_view text) {
  auto table = std::make_unique<SetupScript::EntryTable>();
  const bool fits = SetupScript::CutEntries(text, *table);
  std::size_t bytes = 0;
  for (const auto& entry : *table) {
    if (entry.find('>') != std::string::npos) __builtin_trap();
    bytes += entry.size();
  }
  if (bytes > text.size()) __builtin_trap();
  // Refusal needs more openings than there are slots.
  std::size_t openings = 0;
  for (char c : text) openings += c == '<' ? 1 : 0;
  if (!fits && openings <= SetupScript::EntrySlots) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckCutting(bytes);

  MemoryMachine machine;
  machine.AddFile("setup", "installer");
  machine.AddFile("a.exe", "MZ\x90" "..MFC42..MSVCRT");
  machine.AddFile("RAVEZ.DLL", "MZ\x90" "r");
  machine.AddFile("DUDUDO.DLL", "MZ\x90" "d");
  machine.AddFile("setup.inf", bytes);
  RecordingInstallerUi ui;
  ui.destinationAnswer = DestinationAnswer::Other;
  InstallerTimers timers;
  auto view = std::make_unique<CCorvaneView>(machine, ui, timers, "");
  ui.view = view.get();
  RunInstaller(*view, ui, timers);
  return 0;
}
