#pragma once
// The installer's view: set up with the script, then the one mode the script names,
// run on the first tick of the start timer, and the end of the process two seconds
// after its last status. The Qt shell forwards its first set-up, paints and timer
// ticks here.
#include <cstdint>
#include <string>
#include <utility>

#include "installer/operations/install_operations.h"
#include "installer/prompts/installer_prompts.h"
#include "installer/script/setup_script.h"
#include "platform/machine.h"
#include "platform/message_box.h"
#include "platform/timer_service.h"

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

  void SetWorkingDirectory(std::string windowsPath) {
    operations_.SetWorkingDirectory(std::move(windowsPath));
  }

  // firstPaint = 1, LoadScript, productTitle, statusText; the exit status when the
  // process ends here (no usable script).
  [[nodiscard]] ProcessEnd OnInitialUpdate();
  void OnPainted();  // after every paint: the first one starts the start timer
  [[nodiscard]] ProcessEnd OnTimer(uint32_t timerId);

  const std::string& StatusText() const { return prompts_.StatusText(); }
  // True when entry 1 of the script asks for French.
  bool French() const { return prompts_.French(); }
  const std::string& UninstallLog() const { return operations_.UninstallLog(); }
  const std::string& DestinationDir() const { return operations_.DestinationDir(); }

 private:
  Flow DoInstall();
  Flow DoAutoInstall();
  Flow InstallAfterDestination(bool registerUninstall);
  Flow DoUninstall();
  Flow DoUpdate();
  void StartEndTimer(int exitStatus);

  ITimerService& timers_;
  CInstallerPrompts prompts_;
  CInstallOperations operations_;
  CSetupScript script_;
  std::string productTitle_;
  int32_t firstPaint_ = 0;
  int exitStatusAtEnd_ = 1;
};
