#pragma once
// A process of setup in virtual time: the steps the shell takes, each returning the
// exit status when the process ends there; the end is recorded as the window's last
// event.
#include <cstdint>

#include "installer/modes/corvane_view.h"
#include "tests/installer_doubles/recording_installer_ui.h"

// Set-up, then the first paint.
ProcessEnd StartInstaller(CCorvaneView& view, RecordingInstallerUi& ui);
// The tick of timer `id`, when it is armed.
ProcessEnd FireInstallerTimer(CCorvaneView& view, RecordingInstallerUi& ui,
                              const InstallerTimers& timers, uint32_t id);
// Set-up, the start tick and the end tick; -1 when the process does not end.
int RunInstaller(CCorvaneView& view, RecordingInstallerUi& ui, const InstallerTimers& timers);
