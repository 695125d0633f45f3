#include "tests/installer_doubles/installer_run.h"

namespace {

ProcessEnd Recorded(RecordingInstallerUi& ui, ProcessEnd end) {
  if (end) ui.RecordEnd(*end);
  return end;
}

}  // namespace

ProcessEnd StartInstaller(CCorvaneView& view, RecordingInstallerUi& ui) {
  if (const ProcessEnd end = view.OnInitialUpdate()) return Recorded(ui, end);
  view.OnPainted();
  return std::nullopt;
}

ProcessEnd FireInstallerTimer(CCorvaneView& view, RecordingInstallerUi& ui,
                              const InstallerTimers& timers, uint32_t id) {
  if (!timers.IsArmed(id)) return std::nullopt;
  return Recorded(ui, view.OnTimer(id));
}

int RunInstaller(CCorvaneView& view, RecordingInstallerUi& ui, const InstallerTimers& timers) {
  if (const ProcessEnd end = StartInstaller(view, ui)) return *end;
  for (const uint32_t id : {InstallerTimer::Start, InstallerTimer::End})
    if (const ProcessEnd end = FireInstallerTimer(view, ui, timers, id)) return *end;
  return -1;
}
