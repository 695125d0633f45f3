#pragma once
// One process of setup: the core view, its window, the window's services, and the
// end of the process when the view asks for it.
#include <QObject>
#include <optional>
#include <string>

#include "installer/app/corvane_shell_ui.h"
#include "installer/app/corvane_window.h"
#include "installer/modes/corvane_view.h"
#include "shell_qt/timer_service.h"

class CorvaneSession : public QObject {
  Q_OBJECT
 public:
  CorvaneSession(IMachine& machine, std::string commandLinePath);

  void SetWorkingDirectory(std::string windowsPath) {
    view_.SetWorkingDirectory(std::move(windowsPath));
  }
  // Loads the script; the exit status when the process ends here (no script).
  [[nodiscard]] ProcessEnd InitialUpdate();
  bool French() const { return view_.French(); }
  // Places the window and shows it; its first paint starts the run.
  void Show();
  // The status the run ended with, once the view has ended it.
  std::optional<int> ExitStatus() const { return exitStatus_; }

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  void End(int status);

  CorvaneWindow window_;
  // A mode's steps are seconds apart: its ticks must not drift or be coalesced.
  ShellQt::TimerService timers_{*this, Qt::PreciseTimer};
  CCorvaneView view_;
  CorvaneShellUi ui_;
  std::optional<int> exitStatus_;
};
