#include "shell_qt/timer_service.h"

namespace ShellQt {

void TimerService::SetTimer(uint32_t id, uint32_t periodMs) {
  timers_[id].start(static_cast<int>(periodMs), type_, &owner_);
}

void TimerService::KillTimer(uint32_t id) {
  auto found = timers_.find(id);
  if (found != timers_.end()) found->second.stop();
}

bool TimerService::Lookup(int qtTimerId, uint32_t& id) const {
  for (const auto& [ourId, timer] : timers_) {
    if (timer.isActive() && timer.timerId() == qtTimerId) {
      id = ourId;
      return true;
    }
  }
  return false;
}

}  // namespace ShellQt
