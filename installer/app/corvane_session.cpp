#include "installer/app/corvane_session.h"

#include <QCoreApplication>
#include <QTimerEvent>
#include <utility>

#include "shell_qt/shell_log.h"

CorvaneSession::CorvaneSession(IMachine& machine, std::string commandLinePath)
    : view_(machine, ui_, timers_, std::move(commandLinePath)), ui_(window_, view_) {
  connect(&window_, &CorvaneWindow::painted, this, [this] { view_.OnPainted(); });
}

ProcessEnd CorvaneSession::InitialUpdate() {
  if (const ProcessEnd end = view_.OnInitialUpdate()) return end;
  // The first status line is the product name, shown before any step.
  ShellQt::LogLine("status", view_.StatusText());
  window_.ShowStatus(view_.StatusText());
  return std::nullopt;
}

void CorvaneSession::Show() {
  window_.PlaceOnScreen();
  window_.show();
}

void CorvaneSession::timerEvent(QTimerEvent* event) {
  uint32_t id = 0;
  if (exitStatus_ || !timers_.Lookup(event->timerId(), id)) {
    QObject::timerEvent(event);
    return;
  }
  if (const ProcessEnd end = view_.OnTimer(id)) End(*end);
}

// Everything the core writes is committed by now: the event loop ends with the status.
void CorvaneSession::End(int status) {
  exitStatus_ = status;
  timers_.KillTimer(InstallerTimer::Start);
  timers_.KillTimer(InstallerTimer::End);
  QCoreApplication::exit(status);
}
