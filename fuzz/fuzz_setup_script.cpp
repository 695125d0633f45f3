// Any bytes as "setup.inf": the cutter keeps its invariants, and loading and
// running the script either works or ends through the installer's own exit.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "installer/corvane_view.h"
#include "installer/script_entries.h"
#include "tests/support/memory_machine.h"

namespace {

struct Ended {};

class SilentUi : public IInstallerUi {
 public:
  void PaintNow() override {}
  MessageAnswer ShowMessageBox(std::string_view, MessageButtons) override {
    return MessageAnswer::Yes;
  }
  DestinationAnswer AskDestination(std::string_view, std::string&) override {
    return DestinationAnswer::Other;
  }
  void EndProcess(int) override { throw Ended{}; }
};

class NoTimers : public ITimerService {
 public:
  void SetTimer(uint32_t, uint32_t) override {}
  void KillTimer(uint32_t) override {}
};

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
  SilentUi ui;
  NoTimers timers;
  auto view = std::make_unique<CCorvaneView>(machine, ui, timers, "");
  try {
    view->OnInitialUpdate();
    view->OnPainted();
    view->OnTimer(InstallerTimer::Start);
    view->OnTimer(InstallerTimer::End);
  } catch (const Ended&) {
  }
  return 0;
}
