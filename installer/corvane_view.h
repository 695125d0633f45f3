#pragma once
// The installer's view: all installer state, the script, the modes.
// The Qt shell forwards its first set-up, paints and timer ticks here.
#include <cstdint>
#include <string>

#include "installer/installer_ui.h"
#include "platform/machine.h"
#include "platform/view_host.h"

namespace InstallerTimer {
constexpr uint32_t Start = 1;
constexpr uint32_t End = 2;
constexpr uint32_t PeriodMs = 2000;
}  // namespace InstallerTimer

class CCorvaneView {
 public:
  // `commandLinePath` is the program's first argument as received (may be empty).
  CCorvaneView(IMachine& machine, IInstallerUi& ui, ITimerService& timers,
               std::string commandLinePath);

  void OnInitialUpdate();  // firstPaint = 1, LoadScript, productTitle, statusText
  void OnPainted();        // after every paint: the first one starts the start timer
  void OnTimer(uint32_t timerId);

  const std::string& StatusText() const { return statusText_; }

 private:
  IMachine& machine_;
  IInstallerUi& ui_;
  ITimerService& timers_;
  std::string commandLinePath_;
  std::string statusText_;
  int32_t firstPaint_ = 0;
};
